<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Over Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane versie 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Editor voor de zenderlijst in de database van de ontvanger</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Er is geen DB geopend. Open eerst uw DB!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Vergrendelen</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>O&amp;ntgrendelen</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Verbergen</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Naar &amp;boven</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Naar &amp;onder</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Naar n&amp;ummer verplaatsen…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Vervangen in &amp;namen…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>Selectie opnieuw &amp;nummeren vanaf…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Ongeldig nummer!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 mislukt (sqlite3-fout %2); er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Naar nummer verplaatsen</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>De geselecteerde zenders krijgen de plaatsen vanaf:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Selectie opnieuw nummeren vanaf</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>De geselecteerde zenders worden genummerd vanaf:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Toevoegen aan ‘%1’</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Deze zender staat er al in!
%1 van de %2 zenders stonden al in ‘%3’ en zijn overgeslagen.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Toevoegen aan &amp;favorietengroep</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Opnieuw nummeren</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Vervangen in namen</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>%n zender vergrendelen</numerusform>
            <numerusform>%n zenders vergrendelen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>%n zender ontgrendelen</numerusform>
            <numerusform>%n zenders ontgrendelen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>%n zender verbergen</numerusform>
            <numerusform>%n zenders verbergen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>%n zender tonen</numerusform>
            <numerusform>%n zenders tonen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>%n zender aan %1 toevoegen</numerusform>
            <numerusform>%n zenders aan %1 toevoegen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n andere zender is al genummerd van %1 tot %2.
De zenders vanaf nummer %1 %3 plaatsen opschuiven om ruimte te maken? Nee annuleert.</numerusform>
            <numerusform>%n andere zenders zijn al genummerd van %1 tot %2.
De zenders vanaf nummer %1 %3 plaatsen opschuiven om ruimte te maken? Nee annuleert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>%n zender opnieuw nummeren vanaf %1</numerusform>
            <numerusform>%n zenders opnieuw nummeren vanaf %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Vervangen in %n naam</numerusform>
            <numerusform>Vervangen in %n namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>%n zender naar boven verplaatsen</numerusform>
            <numerusform>%n zenders naar boven verplaatsen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>%n zender naar onder verplaatsen</numerusform>
            <numerusform>%n zenders naar onder verplaatsen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>%n zender naar nummer %1 verplaatsen</numerusform>
            <numerusform>%n zenders naar nummer %1 verplaatsen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 van %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Zenders uit een ander bestand toevoegen</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n zender van %1 staat niet in dit bestand:</numerusform>
            <numerusform>%n zenders van %1 staan niet in dit bestand:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Filteren op naam, satelliet of provider</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>na de laatste zender</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Nummeren vanaf:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Kies de zenders om toe te voegen.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Geef een zendernummer van 1 tot 99999, of laat het leeg.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Zenders worden opnieuw genummerd</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Zenders worden hernoemd</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Vergelijking met %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 toegevoegd, %2 verwijderd, %3 verplaatst, %4 hernoemd</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle wijzigingen</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Toegevoegd</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verplaatst</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Hernoemd</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Nieuw nr.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>added</source>
        <translation>toegevoegd</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verplaatst</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>hernoemd</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>&amp;Volgorde uit dit bestand overnemen</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>&amp;Nieuwe zenders aan een groep toevoegen…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Nieuwe zenders aan een groep toevoegen</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groep:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Vergelijken met bestand…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>Zenders uit &amp;ander bestand toevoegen…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 doorstaat de controles van de ontvanger niet en is niet gebruikt; er is niets gewijzigd.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Vergelijken met bestand</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Zenders uit een ander bestand toevoegen</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>%1 kon niet worden gelezen.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Dit bestand heeft geen favorietengroep om de zenders aan toe te voegen.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>%n nieuwe zender aan %1 toevoegen</numerusform>
            <numerusform>%n nieuwe zenders aan %1 toevoegen</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Toevoegen aan ‘%1’ mislukt (sqlite3-fout %2); er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Dit bestand bevat elke zender van %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Geen van de gekozen zenders kan worden toegevoegd; er is niets gewijzigd.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n van de gekozen zenders kan niet worden toegevoegd. De %1 andere toevoegen?</numerusform>
            <numerusform>%n van de gekozen zenders kunnen niet worden toegevoegd. De %1 andere toevoegen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>De &amp;andere toevoegen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>%n zender uit %1 toevoegen</numerusform>
            <numerusform>%n zenders uit %1 toevoegen</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Toevoegen van de zenders mislukt (sqlite3-fout %1); er is niets gewijzigd.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>LO-frequentie (hoge band)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>LNB-instellingen van tuner 1 naar tuner 2 kopiëren</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Getoond: tuner %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Zenders worden opnieuw genummerd</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Afdruk&amp;voorbeeld…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Exporteren als PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>De lijst kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporteren als PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 is het geopende zenderbestand; kies een andere naam voor de PDF.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 van %2 getoond</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Groep ‘%1’: %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>controle: de ontvanger antwoordde</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>grootte: %1 bytes in %2, dat door de controles kwam</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>terugzetten: de back-up %1 wordt verzonden</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>controle: de ontvanger antwoordde</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>grootte en aankondiging: %1 bytes, naar %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>ontvangen: %1 van %2 bytes in %3 blokken</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>het ontvangen deel is verwijderd, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>%1 bytes ontvangen in %2 s in %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Vorige overeenkomst (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Volgende overeenkomst (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Naam, provider, service-ID of MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Zoekbalk sluiten (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Alleen &amp;overeenkomsten</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Elke satelliet</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>Ver&amp;grendeld</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Ver&amp;borgen</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>&amp;Gecodeerd</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>In &amp;geen favorietengroep</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Einde bereikt, verder vanaf het begin</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Begin bereikt, verder vanaf het einde</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Geen overeenkomst</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>Zenders &amp;exporteren naar CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>Zenders &amp;importeren uit CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>&amp;Volgorde uit referentiebestand overnemen…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>&amp;Dubbele zenders zoeken…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>De zenders konden niet worden gelezen (sqlite3-fout %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 mislukt (sqlite3-fout %2); er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Zenders exporteren naar CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>%1 kon niet worden geschreven.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>%1 zenders zijn naar %2 geschreven.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Zenders importeren uit CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 kon niet als zenderlijst worden gelezen.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 is niet geïmporteerd; er is niets gewijzigd.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 verandert niets.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>Het importeren van %1 brengt deze %2 wijzigingen aan:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>Het importeren</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Volgorde uit referentiebestand overnemen</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Referentielijsten (*.dat *.csv);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>De referentielijst kon niet worden gelezen; er is niets gewijzigd.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Gekoppelde zenders krijgen de volgorde van %1; niet-gekoppelde volgen in hun huidige volgorde.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Toepassen</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Ook de &amp;favorietengroepen van de referentie overnemen</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Volgorde wordt toegepast</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Er zijn geen dubbele zenders gevonden.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Dubbele zenders zoeken</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 reeksen zenders zijn telkens dezelfde zender. Bij verwijderen blijft van elke reeks de zender tussen [ ] staan (een favoriet, anders het laagste nummer).</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>Dubbele &amp;verwijderen</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>%1 zenders verwijderen met hun favorieten-, planning- en coderingsregels?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Dubbele worden verwijderd</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Zenders importeren uit CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Volgorde uit referentiebestand overnemen</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Dubbele zenders verwijderen</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Geen titel</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>De lijst kon niet uit de DB worden gelezen: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Deze regel bevat een waarde die het formaat van de ontvanger niet toestaat (%1). Hij blijft ongewijzigd.</translation>
    </message>
</context>
<context>
    <name>DialogFields</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 moet een geheel getal van %2 tot %3 zijn.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 moet een getal zijn.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Vul alle velden in!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Vul alle velden in!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Er is geen zendernummer onder 20000 vrij.
De zender wordt niet toegevoegd.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>De provider kon niet in de DB worden opgeslagen.
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>De zender kon niet in de DB worden opgeslagen.
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Zender bewerken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>N&amp;IT-info</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>SAT-naam :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>Zender&amp;naam :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>Zendernr. :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>Service-I&amp;D :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Provider :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>&amp;Video-PID :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>&amp;Audio-PID :</translation>
    </message>
    <message>
        <source>P&amp;CR-PID :</source>
        <translation>P&amp;CR-PID :</translation>
    </message>
    <message>
        <source>P&amp;MT-Pid :</source>
        <translation>P&amp;MT-PID :</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>PMT-Pid</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Kenmerken</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Vergrendeld(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Gecodeerd(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>Ver&amp;borgen(H)</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Bewerken	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Bewerken	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Verwijderen	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Verwijderen	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Opnieuw nummeren</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>LNB bewerken</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>GEEN</translation>
    </message>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>LO-frequentie</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satelliet :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>LNB-type :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>LO-frequentie :</translation>
    </message>
    <message>
        <source>DiSEqC 1.0 :</source>
        <translation>DiSEqC 1.0 :</translation>
    </message>
    <message>
        <source>DiSEqC 1.1 :</source>
        <translation>DiSEqC 1.1 :</translation>
    </message>
    <message>
        <source>22 khz :</source>
        <translation>22 kHz :</translation>
    </message>
    <message>
        <source>TP Freq :</source>
        <translation>TP-frequentie :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal tussen %1 en %2 in.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>De transponder kon niet in de DB worden opgeslagen.
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>NIT bewerken</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Transponderinformatie</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Freq. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symboolsnelheid</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Freq. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Symboolsnelheid :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarisatie :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
</context>
<context>
    <name>EditSatDlg</name>
    <message>
        <source>It&apos;s invalid longitude range.</source>
        <translation>Ongeldig lengtegraadbereik.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>De satelliet kon niet in de DB worden opgeslagen.
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Satelliet bewerken</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>OOST</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>WEST</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Naam :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Positie :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Er is geen DB geopend.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open het DB-bestand van de ontvanger met Bestand &amp;gt; Openen (Ctrl+O), of haal het van de ontvanger met Bestand &amp;gt; USB-upload.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Recente bestanden:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Wilt u deze favorietengroep uit de DB verwijderen?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Favorietengroep toevoegen</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Favorietengroep hernoemen</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Favorietengroep verwijderen</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Favorietengroep verplaatsen</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Wilt u dit uit de favorietenlijst verwijderen?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Wilt u deze favorietenlijst uit de DB verwijderen?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Ongeldige gegevens geselecteerd</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>De regels konden niet uit de DB worden verwijderd.
Er is niets verwijderd.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Favorieten verwijderen</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Favoriet verplaatsen</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>DB-bestanden (*.dat);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Kies de map om het bestand in op te slaan.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Gescheiden</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Doorlus (Loop Thru)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Aansluiting :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>LNB-instellingen</translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>OPSLAAN</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Schakelaartype :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal tussen %1 en %2 in.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Wilt u dit item uit de DB verwijderen?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>De LNB-instellingen konden niet worden opgeslagen; de opgeslagen instellingen blijven behouden.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>LNB-instellingen opslaan</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Taal kiezen</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Menutaal </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Audiotaal </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Ondertiteltaal :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Indeling herstellen</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symboolsnelheid</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>V-PID</source>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>PCR</source>
        <translation>PCR</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Kenmerken</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symboolsnelheid</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisatie</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-type</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>LO-frequentie</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>22 khz</source>
        <translation>22 kHz</translation>
    </message>
</context>
<context>
    <name>ListPrintSheet</name>
    <message>
        <source>Channel list</source>
        <translation>Zenderlijst</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favorietengroep: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Kinderslot </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Vergrendelde items</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Systeemvergrendeling</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Zendervergrendeling</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Zender verbergen</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Opmaak</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Van SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Over Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programma-informatie, versienummer en copyright tonen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>De interface schakelt over naar %1 wanneer Orvane opnieuw start.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Een nieuw document maken</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Een bestaand document openen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Het actieve document opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>USB-&amp;upload</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>DB-bestand van de ontvanger overzetten</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>USB-&amp;download</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>DB-bestand naar de ontvanger overzetten</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>&amp;Back-up van ontvanger terugzetten...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Recent bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>&amp;Zenders bewerken</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>&amp;NIT bewerken</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>&amp;LNB bewerken</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>Volgend &amp;paneel</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>Vo&amp;rig paneel</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Zoeken...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Volgende zoeken</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Vo&amp;rige zoeken</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Opnieuw nummeren</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Fout bij het laden van de weergave</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Zenders</translation>
    </message>
    <message>
        <source>NIT Edit</source>
        <translation>NIT</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Opties</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Wilt u dit item uit de DB verwijderen?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Verwijderen mislukt</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Klik eerst links op de satelliet van de nieuwe transponder.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Satelliet toevoegen</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Satelliet %1 bewerken</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Transponder toevoegen</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bewerken</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Satellieten verwijderen</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Transponders verwijderen</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Satellieten verplaatsen</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 is %2, geen DB-bestand, en wordt daarom niet geopend.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 is niet gevonden.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Een ander venster heeft %1 geopend. Sluit het daar voordat u het hier opent.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 wordt niet geopend: %2 is een koppeling of een bestand van een andere gebruiker op de plek waar de editor zijn eigen bestand bewaart. Verwijder het en open het bestand opnieuw.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 kan niet worden gelezen zoals SQLite het leest en wordt daarom niet geopend.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>De werkkopie %1 kon niet worden gemaakt, dus het bestand wordt niet geopend.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Openen van bestand mislukt bij het lezen van de DB</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Ongeldige DB-versie. Vereist is %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>De DB heeft niet de tabelindeling van de ontvanger en wordt daarom niet geopend.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Het document kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Wilt u de gewijzigde DB-inhoud opslaan?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1 is sinds het openen door een ander programma gewijzigd. Vervangen door uw versie?
Kies Nee om het te behouden en gebruik in plaats daarvan Opslaan als.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Een ander venster heeft %1 geopend. Sluit het daar voordat u eroverheen opslaat.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>De DB kon niet in %1 worden opgeslagen.
%2 is een koppeling of een bestand van een andere gebruiker op de plek waar de editor zijn eigen bestand bewaart; verwijder het eerst.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>De DB kon niet in %1 worden opgeslagen.
Dat is de werkkopie zelf; kies een andere naam.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>De DB is midden in een wijziging en is niet opgeslagen. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>De DB kon niet in %1 worden opgeslagen.
De laatste wijzigingen konden niet uit %2-wal worden gehaald; misschien leest een ander programma het (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>De DB kon niet in %1 worden opgeslagen.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 is alleen-lezen, dus de DB kan daar niet worden opgeslagen. Kies een andere naam.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Ongeldig nummer!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Wilt u deze zender uit de DB verwijderen?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Deze zender staat er al in!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>De zender ‘%1’ staat er al in!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Fout! De taak is geannuleerd.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>De zenders konden niet uit de DB worden verwijderd.
Er is niets verwijderd.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>De lijst toont niet de zenders die in de DB zijn opgeslagen.
Open het bestand opnieuw en nummer opnieuw.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>De nieuwe nummers konden niet in de DB worden opgeslagen.
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Opnieuw nummeren en herschikken door slepen zijn uit zolang een filter zenders verbergt: de volgorde van de verborgen zenders mag niet ongezien veranderen.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filter aan: %1 van %2 zenders getoond. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Zender toevoegen</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Zender %1 bewerken</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>%n zender verwijderen</numerusform>
            <numerusform>%n zenders verwijderen</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Opnieuw nummeren</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>%n zender aan een favorietengroep toevoegen</numerusform>
            <numerusform>%n zenders aan een favorietengroep toevoegen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>%n zender aan de favorietenlijst toevoegen</numerusform>
            <numerusform>%n zenders aan de favorietenlijst toevoegen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>de PDF kon niet worden getekend</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 zenders</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 van %2 zenders</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>De wijzigingen op deze pagina zijn nog niet met ‘OPSLAAN’ bewaard.
Wilt u ze nu opslaan?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;Hoofdletters negeren</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Vervangen in namen</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Oude naam</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Vervangen door:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>meer dan %1 bytes</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 nieuwe namen zijn langer dan %2 bytes.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>%1 namen veranderen.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Back-up van ontvanger terugzetten</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Back-ups van de lijst van de ontvanger in %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Zenders</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Verzenden(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Annuleren(&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowFormat</name>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Geen gegevens</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Kies de transponderinformatie in de lijst.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>NIT kiezen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Satellieten</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>&amp;TP-lijst</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>De instellingen van de ontvanger konden niet uit de DB worden gelezen:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>De instellingen konden niet in de DB worden opgeslagen:
%1
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>De standaardinstellingen konden niet in de DB worden gekopieerd:
%1
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Dit bestand heeft geen standaardinstellingen.
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>De opgeslagen instellingen bevatten een waarde die het formaat van de ontvanger niet toestaat (%1 = %2).
Ze blijven ongewijzigd.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>De standaardinstellingen bevatten een waarde die het formaat van de ontvanger niet toestaat (%1 = %2).
De instellingen blijven ongewijzigd.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Instellingen hoofdmenu</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Gebruikersinstellingen</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Vergrendeling</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Taal </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standaard</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Ontvangerinstellingen</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Deens</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grieks</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turks</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noors</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 jaar</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 jaar</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 jaar</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 jaar</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 jaar</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 jaar</translation>
    </message>
    <message>
        <source>4 : 3 PS</source>
        <translation>4 : 3 PS</translation>
    </message>
    <message>
        <source>4 : 3 LB</source>
        <translation>4 : 3 LB</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 seconden</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 seconden</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 seconden</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 seconden</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 seconden</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 seconden</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 seconden</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 seconden</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 seconden</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Eenvoudig</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Zenders in het bestand, waarvan TV en radio, en de regels van de huidige favorietengroep</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Zenders: %1   TV: %2   Radio: %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>Starten(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Annuleren(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>De overdracht na het huidige blok stoppen?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Openen van bestand mislukt!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>De download is gestopt na %1 van %2 bytes.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Lezen van het bestand mislukt! Het DB-bestand is niet volledig verzonden.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>Aanvraag voor gegevensoverdracht via PIPE03 mislukt!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>Schrijven naar PIPE03 mislukt!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>De upload is gestopt na %1 van %2 bytes.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>Aanvraag voor gegevensoverdracht via PIPE02 mislukt!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>Lezen van PIPE02 mislukt!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>Schrijven van %1 mislukt!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Openen van het stuurprogramma mislukt! Kan niet naar PIPE03 schrijven.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Openen van het apparaat mislukt! Kan niet naar PIPE03 schrijven.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Het pad %1 is te lang; het moet korter zijn dan %2 bytes.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Kan het bestand niet openen.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Kan de bestandsgrootte niet van de ontvanger krijgen!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Openen van het stuurprogramma mislukt! Kan niet naar PIPE02 schrijven.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Openen van het apparaat mislukt! Kan niet naar PIPE02 schrijven.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>Het DB-bestand is niet volledig ontvangen: %1 van %2 bytes zijn aangekomen. Ze staan in %3, dat niet wordt geopend.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Er is niets verzonden; de ontvanger behoudt zijn lijst. Controleer of hij aan staat en verbonden is en druk dan opnieuw op Starten.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Er is niets verzonden. Maak de map beschrijfbaar, of zet ‘Eerst een back-up van de lijst van de ontvanger maken’ uit om zonder back-up te verzenden.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>De back-up van de lijst van de ontvanger is mislukt. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>De ontvanger bevat mogelijk een onvolledige lijst. Verzend de back-up (Bestand &gt; Back-up van ontvanger terugzetten...) of dit bestand opnieuw.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Er is niets verzonden; de ontvanger behoudt zijn lijst. Druk op Starten om het opnieuw te proberen.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Het bestand is verzonden maar niet teruggelezen. Haal de lijst van de ontvanger op met USB-upload om hem te controleren.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>niet teruggelezen</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>De lijst van de ontvanger is niet wat er verzonden is: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Verzend het bestand opnieuw; blijft het verschil, dan verandert de ontvanger de lijst zelf.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>%1 bytes verzonden in %2 s</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; teruggelezen: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB is niet verbonden. Probeer het opnieuw!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Opnieuw: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>‘%1 %2’ kon niet worden uitgevoerd: de DB is bezet of niet beschrijfbaar (SQLite-fout %3).
De DB is zoals hij was.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>USB-download</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Download uit bestand(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokaal bestand</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Bestand(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Eerst een back-up van de lijst van de ontvanger maken</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>De lijst teruglezen en vergelijken</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Voortgang download</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>DB-bestand(*.dat);;Alle bestanden(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Open of kies eerst uw DB-bestand.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Als u dit DB-bestand downloadt, wordt de bestaande DB in de ontvanger verwijderd. Weet u zeker dat u wilt doorgaan?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Openen van bestand mislukt!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Het bestand %1 wordt niet verzonden: %2.
Herstel het (orvane-cli check noemt elk probleem) of kies een ander bestand.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>De ontvanger bevat mogelijk een onvolledige lijst. De back-up van zijn lijst verzenden die vóór deze download is gemaakt (%1)?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>USB-upload</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Lokale map</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Bladeren(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Geüpload DB-bestand openen(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Voortgang upload</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Kan geen pad voor het geselecteerde item bepalen!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Foutmelding</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Kies eerst de map.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 is geen map. Kies een map.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>De map %1 bestaat niet. Wilt u hem maken?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>De map %1 kon niet worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Beeldverhouding </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Weergavetijd banner (seconden)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Bannertype</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Ondertiteling </translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
</context>
<context>
    <name>print::CPrintOptionsDlg</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Zenderlijst zoals getoond</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favorietengroep: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Zenderkaart (nummer en naam, grote letters)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Afdrukken:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Indeling:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Richting:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Vorige pagina</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Vo&amp;lgende pagina</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Om Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane version 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Editor til kanallisten i modtagerens database</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Der er ingen DB åben. Åbn først din DB!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Lås</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>Lås &amp;op</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Skjul</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Flyt til &amp;toppen</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Flyt til &amp;bunden</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Flyt til n&amp;ummer…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Erstat i &amp;navne…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>&amp;Omnummerér markering fra…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Ugyldigt nummer!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 mislykkedes (sqlite3-fejl %2); intet er ændret.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Flyt til nummer</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>De markerede kanaler får pladserne fra:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Omnummerér markering fra</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>De markerede kanaler nummereres fra:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Tilføjer til “%1”</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Kanalen er allerede tilføjet!
%1 af de %2 kanaler var allerede i “%3” og blev sprunget over.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Tilføj til &amp;favoritgruppe</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Omnummerering</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Erstatter i navne</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>Lås %n kanal</numerusform>
            <numerusform>Lås %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>Lås %n kanal op</numerusform>
            <numerusform>Lås %n kanaler op</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>Skjul %n kanal</numerusform>
            <numerusform>Skjul %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>Vis %n kanal</numerusform>
            <numerusform>Vis %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>Tilføj %n kanal til %1</numerusform>
            <numerusform>Tilføj %n kanaler til %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n anden kanal er allerede nummereret fra %1 til %2.
Flyt kanalerne fra nummer %1 og op med %3 for at gøre plads? Nej annullerer.</numerusform>
            <numerusform>%n andre kanaler er allerede nummereret fra %1 til %2.
Flyt kanalerne fra nummer %1 og op med %3 for at gøre plads? Nej annullerer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Omnummerér %n kanal fra %1</numerusform>
            <numerusform>Omnummerér %n kanaler fra %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Erstat i %n navn</numerusform>
            <numerusform>Erstat i %n navne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Flyt %n kanal til toppen</numerusform>
            <numerusform>Flyt %n kanaler til toppen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Flyt %n kanal til bunden</numerusform>
            <numerusform>Flyt %n kanaler til bunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Flyt %n kanal til nummer %1</numerusform>
            <numerusform>Flyt %n kanaler til nummer %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 af %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Tilføj kanaler fra en anden fil</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n kanal fra %1 er ikke i denne fil:</numerusform>
            <numerusform>%n kanaler fra %1 er ikke i denne fil:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Filtrér efter navn, satellit eller udbyder</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Udbyder</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>efter den sidste kanal</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Nummerér fra:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Vælg &amp;alle</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Vælg de kanaler, der skal tilføjes.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Angiv et kanalnummer fra 1 til 99999, eller lad feltet stå tomt.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Omnummererer kanaler</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Omdøber kanaler</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Sammenligning med %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 tilføjet, %2 fjernet, %3 flyttet, %4 omdøbt</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle ændringer</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Tilføjet</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Fjernet</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Flyttet</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Omdøbt</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ændring</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Nyt nr.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nyt navn</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>added</source>
        <translation>tilføjet</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>fjernet</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>flyttet</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>omdøbt</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Anvend &amp;rækkefølgen fra denne fil</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>Tilføj &amp;nye kanaler til en gruppe…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Tilføj nye kanaler til en gruppe</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Sammenlign med fil…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>&amp;Tilføj kanaler fra en anden fil…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 består ikke modtagerens kontroller og blev ikke brugt; intet er ændret.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Sammenlign med fil</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Tilføj kanaler fra en anden fil</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>%1 kunne ikke læses.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Denne fil har ingen favoritgruppe at tilføje kanalerne til.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Tilføj %n ny kanal til %1</numerusform>
            <numerusform>Tilføj %n nye kanaler til %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Tilføjelse til “%1” mislykkedes (sqlite3-fejl %2); intet er ændret.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Denne fil indeholder alle kanaler fra %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Ingen af de valgte kanaler kan tilføjes; intet er ændret.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n af de valgte kanaler kan ikke tilføjes. Tilføj de %1 andre?</numerusform>
            <numerusform>%n af de valgte kanaler kan ikke tilføjes. Tilføj de %1 andre?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Tilføj de andre</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Tilføj %n kanal fra %1</numerusform>
            <numerusform>Tilføj %n kanaler fra %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Tilføjelse af kanalerne mislykkedes (sqlite3-fejl %1); intet er ændret.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>LO-frekvens (højt bånd)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Kopiér LNB-indstillingerne fra tuner 1 til tuner 2</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Viser tuner %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Omnummererer kanaler</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Udskriv…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Vis udskrift…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Eksportér som PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>Listen kunne ikke udskrives.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Eksportér som PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 er den åbne kanalfil; vælg et andet navn til PDF-filen.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 af %2 vist</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Gruppe “%1”: %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>Detaljer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>kontrol: modtageren svarede</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>størrelse: %1 byte i %2, som bestod kontrollerne</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>gendannelse: sender backuppen %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>kontrol: modtageren svarede</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>størrelse og anmeldelse: %1 byte, til %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>modtaget: %1 af %2 byte i %3 blokke</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>den modtagne del blev fjernet, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>Modtog %1 byte på %2 s i %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Forrige fund (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Næste fund (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Navn, udbyder, tjeneste-id eller MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Luk søgelinjen (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Søg:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Kun &amp;fund</translation>
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
        <translation>Alle satellitter</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>L&amp;åste</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Skj&amp;ulte</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>&amp;Kodede</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;Ikke i en favoritgruppe</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 af %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Slutningen nået, fortsatte fra toppen</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Toppen nået, fortsatte fra bunden</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Intet fund</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV-filer (*.csv);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>&amp;Eksportér kanaler til CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>&amp;Importér kanaler fra CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Anvend &amp;rækkefølge fra referencefil…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>Find &amp;dubletkanaler…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Kanalerne kunne ikke læses (sqlite3-fejl %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 mislykkedes (sqlite3-fejl %2); intet er ændret.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Eksportér kanaler til CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>%1 kunne ikke skrives.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>%1 kanaler blev skrevet til %2.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importér kanaler fra CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 kunne ikke læses som en kanalliste.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 blev ikke importeret; intet er ændret.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 ændrer intet.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>Import af %1 foretager disse %2 ændringer:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importér</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>Importen</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Anvend rækkefølge fra referencefil</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Referencelister (*.dat *.csv);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>Referencelisten kunne ikke læses; intet er ændret.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Matchede kanaler får rækkefølgen fra %1; ikke-matchede følger i deres nuværende rækkefølge.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anvend</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Overtag også referencens &amp;favoritgrupper</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Anvender rækkefølgen</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Der blev ikke fundet dubletkanaler.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Find dubletkanaler</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 sæt af kanaler er den samme kanal. Ved fjernelse beholdes kanalen i [ ] (en favorit, ellers det laveste nummer) i hvert sæt.</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>&amp;Fjern dubletter</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>Fjern %1 kanaler med deres favorit-, tidsplan- og kodningsrækker?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Fjerner dubletterne</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Importér kanaler fra CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Anvend rækkefølge fra referencefil</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Fjern dublerede kanaler</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Uden titel</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>ikke nok hukommelse</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>Listen kunne ikke læses fra DB: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Denne række har en værdi, som modtagerens format ikke tillader (%1). Den forbliver uændret.</translation>
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
        <translation>Annullér</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 skal være et heltal fra %2 til %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 skal være et tal.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Udfyld alle felter!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Udfyld alle felter!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Der er intet ledigt kanalnummer under 20000.
Kanalen tilføjes ikke.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Udbyderen kunne ikke gemmes i DB.
Intet er ændret.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Kanalen kunne ikke gemmes i DB.
Intet er ændret.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Redigér kanal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>N&amp;IT-info</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>SAT-navn :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Tjeneste</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>Kanal&amp;navn :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>Kanalnr. :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>Tjeneste-I&amp;D :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Udbyder :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>&amp;Video-PID :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>&amp;Lyd-PID :</translation>
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
        <translation>Tjeneste-ID</translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>Lyd-PID</translation>
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
        <translation>Markering</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Låst(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Kodet(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Skjult(H)</translation>
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
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Tilføj</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Redigér	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Redigér	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Slet	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Slet	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Omnummerér</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>Redigér LNB</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>INGEN</translation>
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
        <translation>FRA</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>TIL</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>LO-frekvens</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellit :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>LNB-type :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>LO-frekvens :</translation>
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
        <translation>TP-frekvens :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Indtast et heltal mellem %1 og %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Transponderen kunne ikke gemmes i DB.
Intet er ændret.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>Redigér NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Transponderoplysninger</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horisontal</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Frekv. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Frekv. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Symbolrate :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarisering :</translation>
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
        <translation>Ugyldigt længdegradsområde.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Satellitten kunne ikke gemmes i DB.
Intet er ændret.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Redigér satellit</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>ØST</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>VEST</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Navn :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Position :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Der er ingen DB åben.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Åbn modtagerens DB-fil med Filer &amp;gt; Åbn (Ctrl+O), eller hent den fra modtageren med Filer &amp;gt; USB-upload.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Seneste filer:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritter</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Vil du fjerne denne favoritgruppe fra DB?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Tilføj favoritgruppe</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Omdøb favoritgruppe</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Slet favoritgruppe</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Flyt favoritgruppe</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Tjeneste</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Vil du fjerne fra favoritlisten?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Vil du fjerne denne favoritliste fra DB?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Ugyldige data er markeret</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Rækkerne kunne ikke fjernes fra DB.
Intet er fjernet.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Fjern favoritposter</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Flyt favoritpost</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>DB-filer (*.dat);;Alle filer (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Vælg mappen, filen skal gemmes i.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Adskilt</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Loop Thru (gennemløb)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Tilslutning :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>LNB-indstilling</translation>
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
        <translation>GEM</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Switchtype :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Indtast et heltal.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Indtast et heltal mellem %1 og %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Vil du fjerne dette element fra DB?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>LNB-indstillingerne kunne ikke gemmes; de gemte bevares.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>Gem LNB-indstillinger</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Vælg sprog</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Menusprog </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Lydsprog </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Undertekstsprog :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Nulstil layout</translation>
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
        <translation>Tjeneste</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvens</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbolrate</translation>
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
        <translation>Markering</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Udbyder</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisering</translation>
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
        <translation>LO-frekvens</translation>
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
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favoritgruppe: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Børnesikring </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Låste elementer</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Systemlås</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Kanallås</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Skjul kanal</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Værktøjer</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importér</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Fra SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksportér</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Om Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Vis programinformation, versionsnummer og copyright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprog</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>Brugerfladen skifter til %1, når Orvane startes igen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Opret et nyt dokument</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Åbn</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Åbn et eksisterende dokument</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Gem det aktive dokument</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Gem &amp;som...</translation>
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
        <translation>Overfør DB-fil fra modtageren</translation>
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
        <translation>Overfør DB-fil til modtageren</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Gendan modtager&amp;backup...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Seneste fil</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigér</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>&amp;Kanalredigering</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>&amp;NIT-redigering</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>&amp;LNB-redigering</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>Næste &amp;rude</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>&amp;Forrige rude</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Søg...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Find &amp;næste</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Find &amp;forrige</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Omnummerér</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Fejl ved indlæsning af visning</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Kanaler</translation>
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
        <translation>Opsætning</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Vil du slette dette element fra DB?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Sletning mislykkedes</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Klik først på den nye transponders satellit i listen til venstre.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Tilføj satellit</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Redigér satellit %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Tilføj transponder</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Redigér transponder</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Slet satellitter</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Slet transpondere</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Flyt satellitter</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unavngivet</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 er %2, ikke en DB-fil, så den åbnes ikke.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 blev ikke fundet.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Et andet vindue har %1 åben. Luk den der, før du åbner den her.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 åbnes ikke: %2 er et link eller en anden brugers fil, dér hvor editoren gemmer sin egen fil. Fjern den, og åbn filen igen.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 kan ikke læses, som SQLite læser den, så den åbnes ikke.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>Arbejdskopien %1 kunne ikke oprettes, så filen åbnes ikke.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Åbning af filen mislykkedes under læsning af DB</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Ugyldig DB-version. Den skal bruge %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>DB har ikke modtagerens tabelopbygning, så den åbnes ikke.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Dokumentet kunne ikke åbnes.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Vil du gemme det ændrede DB-indhold?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1 er blevet ændret af et andet program, siden du åbnede den. Erstat den med din version?
Vælg Nej for at beholde den og brug Gem som i stedet.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Et andet vindue har %1 åben. Luk den der, før du gemmer oven i den.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>DB kunne ikke gemmes i %1.
%2 er et link eller en anden brugers fil, dér hvor editoren gemmer sin egen fil; fjern den først.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>DB kunne ikke gemmes i %1.
Det er selve arbejdskopien; vælg et andet navn.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>DB er midt i en ændring og blev ikke gemt. Prøv igen.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>DB kunne ikke gemmes i %1.
De seneste ændringer kunne ikke hentes fra %2-wal; måske læser et andet program den (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>DB kunne ikke gemmes i %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 er skrivebeskyttet, så DB kan ikke gemmes der. Vælg et andet navn.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gem som</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Ugyldigt nummer!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Vil du slette denne kanal fra DB?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Kanalen er allerede tilføjet!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>Kanalen “%1” er allerede tilføjet!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Fejl! Opgaven er annulleret.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Kanalerne kunne ikke slettes fra DB.
Intet er slettet.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>Listen viser ikke de kanaler, der er gemt i DB.
Åbn filen igen, og omnummerér igen.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>De nye numre kunne ikke gemmes i DB.
Intet er ændret.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Omnummerering og omrokering ved træk er slået fra, mens et filter skjuler kanaler: de skjulte kanalers rækkefølge må ikke ændres usynligt.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filter til: %1 af %2 kanaler vises. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Tilføj kanal</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Redigér kanal %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Slet %n kanal</numerusform>
            <numerusform>Slet %n kanaler</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Omnummerér</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Tilføj %n kanal til en favoritgruppe</numerusform>
            <numerusform>Tilføj %n kanaler til en favoritgruppe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Tilføj %n kanal til favoritlisten</numerusform>
            <numerusform>Tilføj %n kanaler til favoritlisten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 af %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kan ikke skrives: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>PDF-filen kunne ikke tegnes</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanaler</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 af %2 kanaler</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Ændringerne på denne side er endnu ikke gemt med “GEM”.
Vil du gemme dem nu?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;Ignorér store/små bogstaver</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Erstat i navne</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Gammelt navn</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nyt navn</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Søg:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Erstat med:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>over %1 byte</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 nye navne er længere end %2 byte.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>%1 navne ændres.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Gendan modtagerbackup</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Backups af modtagerens liste i %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanaler</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> byte</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Send(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Annullér(&amp;C)</translation>
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
        <translation>FRA</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>TIL</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horisontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Ingen data</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Vælg transponderoplysningerne i listen.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>Vælg NIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Satellitter</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>&amp;TP-liste</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>Modtagerens indstillinger kunne ikke læses fra DB:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Indstillingerne kunne ikke gemmes i DB:
%1
Intet er ændret.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Standardindstillingerne kunne ikke kopieres i DB:
%1
Intet er ændret.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Denne fil har ingen standardindstillinger.
Intet er ændret.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>De gemte indstillinger har en værdi, som modtagerens format ikke tillader (%1 = %2).
De forbliver uændrede.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Standardindstillingerne har en værdi, som modtagerens format ikke tillader (%1 = %2).
Indstillingerne forbliver uændrede.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Indstilling af hovedmenu</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Brugerindstillinger</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Låsekontrol</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Sprog </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annullér</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Modtagerindstillinger</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Engelsk</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisk</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransk</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiensk</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlandsk</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tysk</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dansk</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisk</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Græsk</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Tyrkisk</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spansk</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svensk</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norsk</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 år</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 år</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 år</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 år</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 år</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 år</translation>
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
        <translation>2 sekunder</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 sekunder</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 sekunder</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 sekunder</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 sekunder</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 sekunder</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 sekunder</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 sekunder</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 sekunder</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Enkel</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Kanaler i filen, heraf TV og radio, og rækkerne i den aktuelle favoritgruppe</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Kanaler: %1   TV: %2   Radio: %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>Start(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Annullér(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Stop overførslen efter den aktuelle blok?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Åbning af fil mislykkedes!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>Download blev stoppet efter %1 af %2 byte.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Læsning af filen mislykkedes! DB-filen blev ikke sendt helt.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>Anmodning om dataoverførsel på PIPE03 mislykkedes!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>Skrivning til PIPE03 mislykkedes!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>Upload blev stoppet efter %1 af %2 byte.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>Anmodning om dataoverførsel på PIPE02 mislykkedes!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>Læsning fra PIPE02 mislykkedes!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>Skrivning af %1 mislykkedes!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Åbning af driver mislykkedes! Kan ikke skrive til PIPE03.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Åbning af enhed mislykkedes! Kan ikke skrive til PIPE03.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Stien %1 er for lang; den skal være kortere end %2 byte.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Kan ikke åbne filen.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Kan ikke hente filstørrelsen fra modtageren!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Åbning af driver mislykkedes! Kan ikke skrive til PIPE02.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Åbning af enhed mislykkedes! Kan ikke skrive til PIPE02.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>DB-filen blev ikke modtaget helt: %1 af %2 byte ankom. De ligger i %3, som ikke åbnes.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kan ikke skrives.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Intet blev sendt; modtageren beholder sin liste. Kontrollér, at den er tændt og tilsluttet, og tryk derefter på Start igen.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Intet blev sendt. Gør mappen skrivbar, eller fjern fluebenet i “Tag først backup af modtagerens liste” for at sende uden backup.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Backup af modtagerens liste mislykkedes. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Modtageren kan have en ufuldstændig liste. Send backuppen (Filer &gt; Gendan modtagerbackup...) eller denne fil igen.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Intet blev sendt; modtageren beholder sin liste. Tryk på Start for at prøve igen.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Filen blev sendt, men ikke læst tilbage. Hent modtagerens liste med USB-upload for at kontrollere den.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>ikke læst tilbage</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>Modtagerens liste er ikke den, der blev sendt: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Send filen igen; hvis forskellen bliver, ændrer modtageren selv listen.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>Sendte %1 byte på %2 s</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; læst tilbage: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB er ikke tilsluttet. Prøv igen!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Fortryd %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gentag %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gentag</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>“%1 %2” kunne ikke udføres: DB er optaget eller kan ikke skrives (SQLite-fejl %3).
DB er som før.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Fortryd</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gentag</translation>
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
        <translation>Download fra fil(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokal fil</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Fil(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Tag først backup af modtagerens liste</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Læs listen tilbage og sammenlign</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Downloadstatus</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>DB-fil(*.dat);;Alle filer(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Åbn eller vælg først din DB-fil.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Hvis du downloader denne DB-fil, slettes den eksisterende DB i modtageren. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Åbning af fil mislykkedes!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Filen %1 sendes ikke: %2.
Ret den (orvane-cli check nævner hvert problem), eller vælg en anden fil.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Modtageren kan have en ufuldstændig liste. Send backuppen af dens liste, taget før denne download (%1)?</translation>
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
        <translation>Lokal mappe</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Gennemse(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Åbn uploadet DB-fil(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Uploadstatus</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Kan ikke finde en sti til det valgte element!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Fejlmeddelelse</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Vælg først mappen.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 er ikke en mappe. Vælg en mappe.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>Mappen %1 findes ikke. Vil du oprette den?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Mappen %1 kunne ikke oprettes.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Billedformat </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Bannervisning (sekunder)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Bannertype</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Undertekster </translation>
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
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Kanallisten som vist</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favoritgruppe: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Kanalkort (nummer og navn, stor skrift)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Udskriv:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Retning:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Vis udskrift</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Forrige side</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Næste side</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Udskriv…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 af %2</translation>
    </message>
</context>
</TS>

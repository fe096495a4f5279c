<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Om Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane versjon 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Redigeringsprogram for kanallisten i mottakerens database</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Ingen DB er åpen. Åpne din DB først!</translation>
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
        <translation>Lås &amp;opp</translation>
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
        <translation>Flytt til &amp;toppen</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Flytt til &amp;bunnen</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Flytt til n&amp;ummer…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Erstatt i &amp;navn…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>&amp;Nummerer merket utvalg på nytt fra…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Ugyldig nummer!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 mislyktes (sqlite3-feil %2); ingenting er endret.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Flytt til nummer</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>De merkede kanalene får plassene fra:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Nummerer merket utvalg på nytt fra</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>De merkede kanalene nummereres fra:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Legger til i «%1»</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Kanalen er allerede lagt til!
%1 av de %2 kanalene var allerede i «%3» og ble hoppet over.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Legg til i &amp;favorittgruppe</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Ny nummerering</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Erstatter i navn</translation>
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
            <numerusform>Lås opp %n kanal</numerusform>
            <numerusform>Lås opp %n kanaler</numerusform>
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
            <numerusform>Legg til %n kanal i %1</numerusform>
            <numerusform>Legg til %n kanaler i %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n annen kanal er allerede nummerert fra %1 til %2.
Flytte kanalene fra nummer %1 og oppover med %3 for å gi plass? Nei avbryter.</numerusform>
            <numerusform>%n andre kanaler er allerede nummerert fra %1 til %2.
Flytte kanalene fra nummer %1 og oppover med %3 for å gi plass? Nei avbryter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Nummerer %n kanal på nytt fra %1</numerusform>
            <numerusform>Nummerer %n kanaler på nytt fra %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Erstatt i %n navn</numerusform>
            <numerusform>Erstatt i %n navn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Flytt %n kanal til toppen</numerusform>
            <numerusform>Flytt %n kanaler til toppen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Flytt %n kanal til bunnen</numerusform>
            <numerusform>Flytt %n kanaler til bunnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Flytt %n kanal til nummer %1</numerusform>
            <numerusform>Flytt %n kanaler til nummer %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 av %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Legg til kanaler fra en annen fil</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n kanal fra %1 er ikke i denne filen:</numerusform>
            <numerusform>%n kanaler fra %1 er ikke i denne filen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Filtrer etter navn, satellitt eller leverandør</translation>
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
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellitt</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>etter den siste kanalen</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Nummerer fra:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Velg &amp;alle</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Velg kanalene som skal legges til.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Oppgi et kanalnummer fra 1 til 99999, eller la feltet stå tomt.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Nummererer kanaler på nytt</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Gir kanaler nye navn</translation>
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
        <translation>%1 lagt til, %2 fjernet, %3 flyttet, %4 gitt nytt navn</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle endringer</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Lagt til</translation>
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
        <translation>Nytt navn</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Endring</translation>
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
        <translation>Nytt nr.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nytt navn</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellitt</translation>
    </message>
    <message>
        <source>added</source>
        <translation>lagt til</translation>
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
        <translation>nytt navn</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Bruk &amp;rekkefølgen fra denne filen</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>Legg til &amp;nye kanaler i en gruppe…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Legg til nye kanaler i en gruppe</translation>
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
        <translation>&amp;Legg til kanaler fra en annen fil…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 består ikke mottakerens kontroller og ble ikke brukt; ingenting er endret.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Sammenlign med fil</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Legg til kanaler fra en annen fil</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>%1 kunne ikke leses.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Denne filen har ingen favorittgruppe å legge kanalene til i.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Legg til %n ny kanal i %1</numerusform>
            <numerusform>Legg til %n nye kanaler i %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Å legge til i «%1» mislyktes (sqlite3-feil %2); ingenting er endret.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Denne filen inneholder hver kanal fra %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Ingen av de valgte kanalene kan legges til; ingenting er endret.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n av de valgte kanalene kan ikke legges til. Legge til de %1 andre?</numerusform>
            <numerusform>%n av de valgte kanalene kan ikke legges til. Legge til de %1 andre?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Legg til de andre</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Legg til %n kanal fra %1</numerusform>
            <numerusform>Legg til %n kanaler fra %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Å legge til kanalene mislyktes (sqlite3-feil %1); ingenting er endret.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>LO-frekvens (høyt bånd)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Kopier LNB-innstillingene fra tuner 1 til tuner 2</translation>
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
        <translation>Nummererer kanaler på nytt</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>Skriv &amp;ut…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Forhåndsvisning…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Eksporter som PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>Listen kunne ikke skrives ut.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Eksporter som PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 er den åpne kanalfilen; velg et annet navn for PDF-filen.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 av %2 vises</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Gruppe «%1»: %2</translation>
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
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>kontroll: mottakeren svarte</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>størrelse: %1 byte i %2, som besto kontrollene</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>gjenoppretting: sender sikkerhetskopien %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>kontroll: mottakeren svarte</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>størrelse og kunngjøring: %1 byte, til %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>mottatt: %1 av %2 byte i %3 blokker</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>den mottatte delen ble fjernet, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>Mottok %1 byte på %2 s i %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Forrige treff (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Neste treff (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Navn, leverandør, tjeneste-ID eller MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Lukk søkefeltet (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Søk:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Bare &amp;treff</translation>
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
        <translation>&amp;Ikke i en favorittgruppe</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Nådde slutten, fortsatte fra toppen</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Nådde toppen, fortsatte fra bunnen</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Ingen treff</translation>
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
        <translation>&amp;Eksporter kanaler til CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>&amp;Importer kanaler fra CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Bruk &amp;rekkefølge fra referansefil…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>Finn &amp;duplikatkanaler…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Kanalene kunne ikke leses (sqlite3-feil %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 mislyktes (sqlite3-feil %2); ingenting er endret.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Eksporter kanaler til CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>%1 kunne ikke skrives.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>%1 kanaler ble skrevet til %2.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importer kanaler fra CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 kunne ikke leses som en kanalliste.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 ble ikke importert; ingenting er endret.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 endrer ingenting.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>Import av %1 gjør disse %2 endringene:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>Importen</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Bruk rekkefølge fra referansefil</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Referanselister (*.dat *.csv);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>Referanselisten kunne ikke leses; ingenting er endret.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Samsvarende kanaler får rekkefølgen fra %1; de andre følger i sin nåværende rekkefølge.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Bruk</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Ta også med referansens &amp;favorittgrupper</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Bruker rekkefølgen</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Fant ingen duplikatkanaler.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Finn duplikatkanaler</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 sett med kanaler er samme kanal. Ved fjerning beholdes kanalen i [ ] (en favoritt, ellers det laveste nummeret) i hvert sett.</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>&amp;Fjern duplikater</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>Fjerne %1 kanaler med tilhørende favoritt-, tidsplan- og kodingsrader?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Fjerner duplikatene</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Importer kanaler fra CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Bruk rekkefølge fra referansefil</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Fjern dupliserte kanaler</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Uten tittel</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>ikke nok minne</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>Listen kunne ikke leses fra DB: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Denne raden har en verdi som mottakerens format ikke tillater (%1). Den forblir uendret.</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 må være et heltall fra %2 til %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 må være et tall.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Fyll ut alle feltene!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Fyll ut alle feltene!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Ingen kanalnummer under 20000 er ledig.
Kanalen legges ikke til.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Leverandøren kunne ikke lagres i DB.
Ingenting er endret.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Kanalen kunne ikke lagres i DB.
Ingenting er endret.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Rediger kanal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Innstillinger</translation>
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
        <translation>&amp;Leverandør :</translation>
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
        <translation>Merking</translation>
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
        <translation>Legg til</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Legg til</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Rediger	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Rediger	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Slett	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Slett	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Nummerer på nytt</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>Rediger LNB</translation>
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
        <translation>AV</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>PÅ</translation>
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
        <translation>Satellitt :</translation>
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
        <translation>Skriv inn et heltall mellom %1 og %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Transponderen kunne ikke lagres i DB.
Ingenting er endret.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>Rediger NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Transponderinformasjon</translation>
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
        <translation>Ugyldig lengdegradsområde.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Satellitten kunne ikke lagres i DB.
Ingenting er endret.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Rediger satellitt</translation>
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
        <translation>Posisjon</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Navn :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Posisjon :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Ingen DB er åpen.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Åpne mottakerens DB-fil med Fil &amp;gt; Åpne (Ctrl+O), eller hent den fra mottakeren med Fil &amp;gt; USB-opplasting.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Nylige filer:</translation>
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
        <translation>Vil du fjerne denne favorittgruppen fra DB?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Legg til favorittgruppe</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Gi nytt navn til favorittgruppe</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Slett favorittgruppe</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Flytt favorittgruppe</translation>
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
        <translation>Vil du fjerne fra favorittlisten?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Vil du fjerne denne favorittlisten fra DB?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Ugyldige data er valgt</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Radene kunne ikke fjernes fra DB.
Ingenting er fjernet.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Fjern favorittoppføringer</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Flytt favorittoppføring</translation>
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
        <translation>Velg mappen filen skal lagres i.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Separat</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Loop Thru (gjennomløp)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Tilkobling :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>LNB-innstilling</translation>
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
        <translation>LAGRE</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Brytertype :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Skriv inn et heltall.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Skriv inn et heltall mellom %1 og %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Vil du fjerne dette elementet fra DB?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>LNB-innstillingene kunne ikke lagres; de lagrede beholdes.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>Lagre LNB-innstillinger</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Velg språk</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Menyspråk </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Lydspråk </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Tekstingsspråk :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Tilbakestill oppsett</translation>
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
        <translation>Satellitt</translation>
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
        <translation>Merking</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisjon</translation>
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
        <translation>Favorittgruppe: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Barnesikring </translation>
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
        <translation>&amp;Verktøy</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Innstillinger</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Fra SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksporter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
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
        <translation>Vis programinformasjon, versjonsnummer og opphavsrett</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>Grensesnittet bytter til %1 når Orvane startes på nytt.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
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
        <translation>Lag et nytt dokument</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Åpne</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Åpne et eksisterende dokument</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Lagre det aktive dokumentet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Lagre &amp;som...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>USB-&amp;opplasting</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Opplasting</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>Overfør DB-fil fra mottakeren</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>USB-&amp;nedlasting</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Nedlasting</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>Overfør DB-fil til mottakeren</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Gjenopprett mottakerens &amp;sikkerhetskopi...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Nylig fil</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Rediger</translation>
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
        <translation>Neste &amp;rute</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>&amp;Forrige rute</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Søk...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Finn &amp;neste</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Finn &amp;forrige</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Nummerer på nytt</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Feil ved lasting av visning</translation>
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
        <translation>Oppsett</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Vil du slette dette elementet fra DB?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Slettingen mislyktes</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Klikk først på satellitten til den nye transponderen i listen til venstre.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Legg til satellitt</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Rediger satellitt %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Legg til transponder</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Rediger transponder</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Slett satellitter</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Slett transpondere</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Flytt satellitter</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Uten navn</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 er %2, ikke en DB-fil, så den åpnes ikke.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Fant ikke %1.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Et annet vindu har %1 åpen. Lukk den der før du åpner den her.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 åpnes ikke: %2 er en lenke eller en annen brukers fil der redigeringsprogrammet har sin egen fil. Fjern den og åpne filen igjen.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 kan ikke leses slik SQLite leser den, så den åpnes ikke.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>Arbeidskopien %1 kunne ikke lages, så filen åpnes ikke.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Åpning av filen mislyktes under lesing av DB</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Ugyldig DB-versjon. Den må bruke %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>DB har ikke mottakerens tabelloppsett, så den åpnes ikke.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Dokumentet kunne ikke åpnes.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Vil du lagre det endrede DB-innholdet?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1 er endret av et annet program siden du åpnet den. Erstatte den med din versjon?
Velg Nei for å beholde den og bruk Lagre som i stedet.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Et annet vindu har %1 åpen. Lukk den der før du lagrer over den.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>DB kunne ikke lagres til %1.
%2 er en lenke eller en annen brukers fil der redigeringsprogrammet har sin egen fil; fjern den først.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>DB kunne ikke lagres til %1.
Det er selve arbeidskopien; velg et annet navn.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>DB er midt i en endring og ble ikke lagret. Prøv igjen.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>DB kunne ikke lagres til %1.
De siste endringene kunne ikke hentes fra %2-wal; kanskje et annet program leser den (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>DB kunne ikke lagres til %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 er skrivebeskyttet, så DB kan ikke lagres der. Velg et annet navn.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lagre som</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Ugyldig nummer!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Vil du slette denne kanalen fra DB?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Kanalen er allerede lagt til!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>Kanalen «%1» er allerede lagt til!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Feil! Jobben er avbrutt.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Kanalene kunne ikke slettes fra DB.
Ingenting er slettet.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>Listen viser ikke kanalene som er lagret i DB.
Åpne filen på nytt og nummerer på nytt igjen.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>De nye numrene kunne ikke lagres i DB.
Ingenting er endret.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Ny nummerering og omorganisering ved å dra er slått av mens et filter skjuler kanaler: rekkefølgen til de skjulte kanalene må ikke endres usett.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filter på: %1 av %2 kanaler vises. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Legg til kanal</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Rediger kanal %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Slett %n kanal</numerusform>
            <numerusform>Slett %n kanaler</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Nummerer på nytt</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Legg til %n kanal i en favorittgruppe</numerusform>
            <numerusform>Legg til %n kanaler i en favorittgruppe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Legg til %n kanal i favorittlisten</numerusform>
            <numerusform>Legg til %n kanaler i favorittlisten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
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
        <translation>%1 av %2 kanaler</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Endringene på denne siden er ikke lagret med «LAGRE» ennå.
Vil du lagre dem nå?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;Ignorer store/små bokstaver</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Erstatt i navn</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Gammelt navn</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nytt navn</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Søk:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Erstatt med:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>over %1 byte</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 nye navn er lengre enn %2 byte.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>%1 navn endres.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Gjenopprett mottakerens sikkerhetskopi</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Sikkerhetskopier av mottakerens liste i %1:</translation>
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
        <translation>Avbryt(&amp;C)</translation>
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
        <translation>AV</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>PÅ</translation>
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
        <translation>Velg transponderinformasjonen i listen.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>Velg NIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>Mottakerens innstillinger kunne ikke leses fra DB:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Innstillingene kunne ikke lagres i DB:
%1
Ingenting er endret.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Standardinnstillingene kunne ikke kopieres i DB:
%1
Ingenting er endret.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Denne filen har ingen standardinnstillinger.
Ingenting er endret.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>De lagrede innstillingene har en verdi som mottakerens format ikke tillater (%1 = %2).
De forblir uendret.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Standardinnstillingene har en verdi som mottakerens format ikke tillater (%1 = %2).
Innstillingene forblir uendret.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Innstilling av hovedmeny</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Brukerinnstillinger</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Låskontroll</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Språk </translation>
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
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Mottakerinnstillinger</translation>
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
        <translation>Gresk</translation>
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
        <translation>Av</translation>
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
        <translation>Kanaler i filen, av dem TV og radio, og radene i den gjeldende favorittgruppen</translation>
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
        <translation>Avbryt(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Stoppe overføringen etter den gjeldende blokken?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Åpning av fil mislyktes!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>Nedlastingen ble stoppet etter %1 av %2 byte.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Lesing av filen mislyktes! DB-filen ble ikke sendt fullstendig.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>Forespørsel om dataoverføring på PIPE03 mislyktes!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>Skriving til PIPE03 mislyktes!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>Opplastingen ble stoppet etter %1 av %2 byte.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>Forespørsel om dataoverføring på PIPE02 mislyktes!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>Lesing fra PIPE02 mislyktes!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>Skriving av %1 mislyktes!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Åpning av driver mislyktes! Kan ikke skrive til PIPE03.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Åpning av enhet mislyktes! Kan ikke skrive til PIPE03.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Banen %1 er for lang; den må være kortere enn %2 byte.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Kan ikke åpne filen.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Kan ikke hente filstørrelsen fra mottakeren!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Åpning av driver mislyktes! Kan ikke skrive til PIPE02.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Åpning av enhet mislyktes! Kan ikke skrive til PIPE02.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>DB-filen ble ikke mottatt fullstendig: %1 av %2 byte kom fram. De ligger i %3, som ikke åpnes.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kan ikke skrives.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Ingenting ble sendt; mottakeren beholder listen sin. Kontroller at den er på og tilkoblet, og trykk deretter Start igjen.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Ingenting ble sendt. Gjør mappen skrivbar, eller fjern haken for «Ta sikkerhetskopi av mottakerens liste først» for å sende uten sikkerhetskopi.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Sikkerhetskopieringen av mottakerens liste mislyktes. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Mottakeren kan ha en ufullstendig liste. Send sikkerhetskopien (Fil &gt; Gjenopprett mottakerens sikkerhetskopi...) eller denne filen igjen.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Ingenting ble sendt; mottakeren beholder listen sin. Trykk Start for å prøve igjen.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Filen ble sendt, men ikke lest tilbake. Hent mottakerens liste med USB-opplasting for å kontrollere den.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>ikke lest tilbake</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>Mottakerens liste er ikke den som ble sendt: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Send filen igjen; hvis forskjellen blir værende, endrer mottakeren listen selv.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>Sendte %1 byte på %2 s</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; lest tilbake: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB er ikke tilkoblet. Prøv igjen!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Angre %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gjør om %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>«%1 %2» kunne ikke utføres: DB er opptatt eller kan ikke skrives (SQLite-feil %3).
DB er som før.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Angre</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gjør om</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>USB-nedlasting</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Last ned fra fil(&amp;D)</translation>
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
        <translation>Ta sikkerhetskopi av mottakerens liste først</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Les listen tilbake og sammenlign</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Nedlastingsfremdrift</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>DB-fil(*.dat);;Alle filer(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Åpne eller velg DB-filen din først.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Hvis du laster ned denne DB-filen, slettes den eksisterende DB-en i mottakeren. Vil du fortsette?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Åpning av fil mislyktes!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Filen %1 sendes ikke: %2.
Reparer den (orvane-cli check nevner hvert problem) eller velg en annen fil.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Mottakeren kan ha en ufullstendig liste. Sende sikkerhetskopien av listen som ble tatt før denne nedlastingen (%1)?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>USB-opplasting</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Lokal mappe</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Bla gjennom(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Åpne opplastet DB-fil(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Opplastingsfremdrift</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Kan ikke finne en bane for det valgte elementet!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Feilmelding</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Velg mappen først.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 er ikke en mappe. Velg en mappe.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>Mappen %1 finnes ikke. Vil du opprette den?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Mappen %1 kunne ikke opprettes.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Bildeformat </translation>
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
        <translation>Teksting </translation>
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
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Kanallisten slik den vises</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favorittgruppe: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabell</translation>
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
        <translation>Skriv &amp;ut:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Oppsett:</translation>
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
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Forrige side</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Neste side</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Skriv &amp;ut…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
</context>
</TS>

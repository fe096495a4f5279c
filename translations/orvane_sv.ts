<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
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
        <translation>Redigerare för kanallistan i mottagarens databas</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Ingen DB är öppen. Öppna först din DB!</translation>
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
        <translation>Lås &amp;upp</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Dölj</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Flytta &amp;överst</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Flytta &amp;nederst</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Flytta till n&amp;ummer…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Ersätt i &amp;namn…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>&amp;Numrera om markeringen från…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Ogiltigt nummer!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 misslyckades (sqlite3-fel %2); inget har ändrats.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Flytta till nummer</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>De markerade kanalerna får platserna från:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Numrera om markeringen från</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>De markerade kanalerna numreras från:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Lägger till i ”%1”</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Kanalen finns redan!
%1 av de %2 kanalerna fanns redan i ”%3” och hoppades över.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Lägg till i &amp;favoritgrupp</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Omnumrering</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Ersätter i namn</translation>
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
            <numerusform>Lås upp %n kanal</numerusform>
            <numerusform>Lås upp %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>Dölj %n kanal</numerusform>
            <numerusform>Dölj %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>Visa %n kanal</numerusform>
            <numerusform>Visa %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>Lägg till %n kanal i %1</numerusform>
            <numerusform>Lägg till %n kanaler i %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n annan kanal är redan numrerad från %1 till %2.
Flytta kanalerna från nummer %1 och uppåt %3 steg för att göra plats? Nej avbryter.</numerusform>
            <numerusform>%n andra kanaler är redan numrerade från %1 till %2.
Flytta kanalerna från nummer %1 och uppåt %3 steg för att göra plats? Nej avbryter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Numrera om %n kanal från %1</numerusform>
            <numerusform>Numrera om %n kanaler från %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Ersätt i %n namn</numerusform>
            <numerusform>Ersätt i %n namn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Flytta %n kanal överst</numerusform>
            <numerusform>Flytta %n kanaler överst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Flytta %n kanal nederst</numerusform>
            <numerusform>Flytta %n kanaler nederst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Flytta %n kanal till nummer %1</numerusform>
            <numerusform>Flytta %n kanaler till nummer %1</numerusform>
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
        <translation>Lägg till kanaler från en annan fil</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n kanal från %1 finns inte i denna fil:</numerusform>
            <numerusform>%n kanaler från %1 finns inte i denna fil:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Filtrera efter namn, satellit eller leverantör</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Typ</translation>
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
        <translation>Leverantör</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>efter den sista kanalen</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Numrera från:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Markera &amp;alla</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Välj kanalerna som ska läggas till.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Ange ett kanalnummer från 1 till 99999, eller lämna fältet tomt.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Numrerar om kanaler</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Byter namn på kanaler</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Jämförelse med %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 tillagda, %2 borttagna, %3 flyttade, %4 omdöpta</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alla ändringar</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Tillagda</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Borttagna</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Flyttade</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Omdöpta</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändring</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Nytt nr</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nytt namn</translation>
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
        <translation>tillagd</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>borttagen</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>flyttad</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>omdöpt</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Använd &amp;ordningen från denna fil</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>Lägg till &amp;nya kanaler i en grupp…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Lägg till nya kanaler i en grupp</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grupp:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Jämför med fil…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>&amp;Lägg till kanaler från en annan fil…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 klarar inte mottagarens kontroller och användes inte; inget har ändrats.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Jämför med fil</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Lägg till kanaler från en annan fil</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>%1 kunde inte läsas.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Denna fil har ingen favoritgrupp att lägga till kanalerna i.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Lägg till %n ny kanal i %1</numerusform>
            <numerusform>Lägg till %n nya kanaler i %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Det gick inte att lägga till i ”%1” (sqlite3-fel %2); inget har ändrats.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Denna fil innehåller varje kanal från %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Ingen av de valda kanalerna kan läggas till; inget har ändrats.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n av de valda kanalerna kan inte läggas till. Lägga till de %1 andra?</numerusform>
            <numerusform>%n av de valda kanalerna kan inte läggas till. Lägga till de %1 andra?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Lägg till de andra</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Lägg till %n kanal från %1</numerusform>
            <numerusform>Lägg till %n kanaler från %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Det gick inte att lägga till kanalerna (sqlite3-fel %1); inget har ändrats.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>LO-frekvens (högt band)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Kopiera LNB-inställningarna från mottagare 1 till mottagare 2</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Visar mottagare %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Numrerar om kanaler</translation>
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
        <translation>&amp;Förhandsgranska utskrift…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Exportera som PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>Listan kunde inte skrivas ut.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportera som PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 är den öppna kanalfilen; välj ett annat namn för PDF-filen.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 av %2 visas</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Grupp ”%1”: %2</translation>
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
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>kontroll: mottagaren svarade</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>storlek: %1 byte i %2, som klarade kontrollerna</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>återställning: skickar säkerhetskopian %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>kontroll: mottagaren svarade</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>storlek och anmälan: %1 byte, till %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>mottaget: %1 av %2 byte i %3 block</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>den mottagna delen togs bort, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>Tog emot %1 byte på %2 s i %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Föregående träff (Skift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Nästa träff (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Namn, leverantör, tjänste-id eller MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Stäng sökfältet (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Sök:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Endast &amp;träffar</translation>
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
        <translation>Alla satelliter</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>L&amp;åsta</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>D&amp;olda</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>&amp;Kodade</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;Inte i någon favoritgrupp</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Slutet nått, fortsatte från början</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Början nådd, fortsatte från slutet</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Ingen träff</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV-filer (*.csv);;Alla filer (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>&amp;Exportera kanaler till CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>&amp;Importera kanaler från CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Använd &amp;ordning från referensfil…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>Hitta &amp;dubblettkanaler…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Kanalerna kunde inte läsas (sqlite3-fel %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 misslyckades (sqlite3-fel %2); inget har ändrats.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Exportera kanaler till CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>%1 kunde inte skrivas.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>%1 kanaler skrevs till %2.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importera kanaler från CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 kunde inte läsas som en kanallista.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 importerades inte; inget har ändrats.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 ändrar ingenting.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>Import av %1 gör dessa %2 ändringar:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importera</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>Importen</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Använd ordning från referensfil</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Referenslistor (*.dat *.csv);;Alla filer (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>Referenslistan kunde inte läsas; inget har ändrats.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Matchade kanaler får ordningen från %1; omatchade följer i sin nuvarande ordning.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Använd</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Ta även referensens &amp;favoritgrupper</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Ordningen används</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Inga dubblettkanaler hittades.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Hitta dubblettkanaler</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 uppsättningar kanaler är samma kanal. Vid borttagning behålls kanalen inom [ ] (en favorit, annars det lägsta numret) i varje uppsättning.</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>&amp;Ta bort dubbletter</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>Ta bort %1 kanaler med deras favorit-, schema- och kodningsrader?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Tar bort dubbletterna</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Importera kanaler från CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Använd ordning från referensfil</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Ta bort dubblettkanaler</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Ingen titel</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>inte tillräckligt med minne</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>Listan kunde inte läsas från DB: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Raden har ett värde som mottagarens format inte tillåter (%1). Den lämnas oförändrad.</translation>
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
        <translation>%1 måste vara ett heltal från %2 till %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 måste vara ett tal.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Fyll i alla fält!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Fyll i alla fält!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Inget kanalnummer under 20000 är ledigt.
Kanalen läggs inte till.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Leverantören kunde inte sparas i DB.
Inget har ändrats.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Kanalen kunde inte sparas i DB.
Inget har ändrats.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Redigera kanal</translation>
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
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>N&amp;IT-info</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>SAT-namn :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Tjänst</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>Kanal&amp;namn :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>Kanalnr :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>Tjänste-I&amp;D :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Leverantör :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>&amp;Video-PID :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>&amp;Ljud-PID :</translation>
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
        <translation>Tjänste-ID</translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>Ljud-PID</translation>
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
        <translation>Flaggor</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Låst(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Kodad(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Dold(H)</translation>
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
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Redigera	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Redigera	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Ta bort	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Ta bort	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Numrera om</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>Redigera LNB</translation>
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
        <translation>Satellit :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>LNB-typ :</translation>
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
        <translation>Ange ett heltal mellan %1 och %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Transpondern kunde inte sparas i DB.
Inget har ändrats.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>Redigera NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Transponderinformation</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horisontell</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Frekv. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbolhastighet</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Frekv. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Symbolhastighet :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarisation :</translation>
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
        <translation>Ogiltigt longitudintervall.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Satelliten kunde inte sparas i DB.
Inget har ändrats.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Redigera satellit</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>ÖST</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>VÄST</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Namn :</translation>
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
        <translation>&lt;p&gt;&lt;b&gt;Ingen DB är öppen.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Öppna mottagarens DB-fil med Arkiv &amp;gt; Öppna (Ctrl+O), eller hämta den från mottagaren med Arkiv &amp;gt; USB-uppladdning.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Senaste filer:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriter</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Vill du ta bort denna favoritgrupp från DB?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Lägg till favoritgrupp</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Byt namn på favoritgrupp</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Ta bort favoritgrupp</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Flytta favoritgrupp</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Tjänst</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Vill du ta bort från favoritlistan?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Vill du ta bort denna favoritlista från DB?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Ogiltiga data är markerade</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Raderna kunde inte tas bort från DB.
Inget har tagits bort.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Ta bort favoritposter</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Flytta favoritpost</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>DB-filer (*.dat);;Alla filer (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Välj mappen där filen ska sparas.</translation>
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
        <translation>Loop Thru (genomslingad)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Anslutning :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>LNB-inställning</translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation>Mottagare 1</translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation>Mottagare 2</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPARA</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Switchtyp :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Ange ett heltal.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Ange ett heltal mellan %1 och %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Vill du ta bort detta objekt från DB?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>LNB-inställningarna kunde inte sparas; de sparade behålls.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>Spara LNB-inställningar</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Välj språk</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Menyspråk </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Ljudspråk </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Undertextspråk :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Återställ layout</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Tjänst</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
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
        <translation>Symbolhastighet</translation>
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
        <translation>Flaggor</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Leverantör</translation>
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
        <translation>Symbolhastighet</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-typ</translation>
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
        <translation>Kanallista</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favoritgrupp: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Barnlås </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Låsta objekt</translation>
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
        <translation>Dölj kanal</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Verktyg</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importera</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Från SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
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
        <translation>Visa programinformation, versionsnummer och upphovsrätt</translation>
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
        <translation>Gränssnittet byter till %1 när Orvane startas nästa gång.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
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
        <translation>Skapa ett nytt dokument</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öppna</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Öppna ett befintligt dokument</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Spara det aktiva dokumentet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Spara &amp;som...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>USB-&amp;uppladdning</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Uppladdning</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>Överför DB-fil från mottagaren</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>USB-&amp;nedladdning</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Nedladdning</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>Överför DB-fil till mottagaren</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Återställ mottagarens &amp;säkerhetskopia...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Senaste fil</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
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
        <translation>Nästa &amp;ruta</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>&amp;Föregående ruta</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Sök...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Sök &amp;nästa</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Sök &amp;föregående</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Numrera om</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Fel när vyn lästes in</translation>
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
        <translation>Alternativ</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Vill du ta bort detta objekt från DB?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Borttagningen misslyckades</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Klicka först på den nya transponderns satellit i listan till vänster.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Lägg till satellit</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Redigera satellit %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Lägg till transponder</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Redigera transponder</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Ta bort satelliter</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Ta bort transpondrar</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Flytta satelliter</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 är %2, inte en DB-fil, så den öppnas inte.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 hittades inte.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Ett annat fönster har %1 öppen. Stäng den där innan du öppnar den här.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 öppnas inte: %2 är en länk eller en annan användares fil där redigeraren håller sin egen fil. Ta bort den och öppna filen igen.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 kan inte läsas som SQLite läser den, så den öppnas inte.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>Arbetskopian %1 kunde inte skapas, så filen öppnas inte.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Filen kunde inte öppnas när DB lästes</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Ogiltig DB-version. Den måste använda %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>DB har inte mottagarens tabellupplägg, så den öppnas inte.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Dokumentet kunde inte öppnas.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Vill du spara det ändrade DB-innehållet?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1 har ändrats av ett annat program sedan du öppnade den. Ersätta den med din version?
Välj Nej för att behålla den och använd Spara som i stället.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Ett annat fönster har %1 öppen. Stäng den där innan du sparar över den.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>DB kunde inte sparas till %1.
%2 är en länk eller en annan användares fil där redigeraren håller sin egen fil; ta bort den först.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>DB kunde inte sparas till %1.
Det är själva arbetskopian; välj ett annat namn.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>DB är mitt i en ändring och sparades inte. Försök igen.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>DB kunde inte sparas till %1.
De senaste ändringarna kunde inte hämtas från %2-wal; kanske läser ett annat program den (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>DB kunde inte sparas till %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 är skrivskyddad, så DB kan inte sparas där. Välj ett annat namn.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Ogiltigt nummer!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Vill du ta bort denna kanal från DB?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Kanalen finns redan!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>Kanalen ”%1” finns redan!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Fel! Åtgärden avbröts.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Kanalerna kunde inte tas bort från DB.
Inget har tagits bort.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>Listan visar inte kanalerna som är sparade i DB.
Öppna filen igen och numrera om på nytt.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>De nya numren kunde inte sparas i DB.
Inget har ändrats.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Omnumrering och omordning genom att dra är avstängda medan ett filter döljer kanaler: de dolda kanalernas ordning får inte ändras osynligt.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filter på: %1 av %2 kanaler visas. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Lägg till kanal</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Redigera kanal %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Ta bort %n kanal</numerusform>
            <numerusform>Ta bort %n kanaler</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Numrera om</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Lägg till %n kanal i en favoritgrupp</numerusform>
            <numerusform>Lägg till %n kanaler i en favoritgrupp</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Lägg till %n kanal i favoritlistan</numerusform>
            <numerusform>Lägg till %n kanaler i favoritlistan</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sida %1 av %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kan inte skrivas: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>PDF-filen kunde inte ritas</translation>
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
        <translation>Ändringarna på denna sida har ännu inte sparats med ”SPARA”.
Vill du spara dem nu?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;Ignorera skiftläge</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Ersätt i namn</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Gammalt namn</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nytt namn</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Sök:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Ersätt med:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>över %1 byte</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 nya namn är längre än %2 byte.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>%1 namn ändras.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Återställ mottagarens säkerhetskopia</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Säkerhetskopior av mottagarens lista i %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
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
        <translation>Skicka(&amp;S)</translation>
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
        <translation>Horisontell</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Inga data</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Välj transponderinformationen i listan.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>Välj NIT</translation>
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
        <translation>&amp;Satelliter</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>&amp;TP-lista</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>Mottagarens inställningar kunde inte läsas från DB:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Inställningarna kunde inte sparas i DB:
%1
Inget har ändrats.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Standardinställningarna kunde inte kopieras i DB:
%1
Inget har ändrats.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Filen har inga standardinställningar.
Inget har ändrats.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>De sparade inställningarna har ett värde som mottagarens format inte tillåter (%1 = %2).
De lämnas oförändrade.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Standardinställningarna har ett värde som mottagarens format inte tillåter (%1 = %2).
Inställningarna lämnas oförändrade.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Inställning av huvudmeny</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Användarinställningar</translation>
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
        <translation>Mottagarinställningar</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Engelska</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ryska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienska</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederländska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tyska</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danska</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabiska</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grekiska</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turkiska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norska</translation>
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
        <translation>Kanaler i filen, varav TV och radio, och raderna i den aktuella favoritgruppen</translation>
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
        <translation>Starta(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Avbryt(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Stoppa överföringen efter det aktuella blocket?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Filen kunde inte öppnas!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>Nedladdningen stoppades efter %1 av %2 byte.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Läsningen av filen misslyckades! DB-filen skickades inte helt.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>Begäran om dataöverföring på PIPE03 misslyckades!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>Skrivning till PIPE03 misslyckades!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>Uppladdningen stoppades efter %1 av %2 byte.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>Begäran om dataöverföring på PIPE02 misslyckades!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>Läsning från PIPE02 misslyckades!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>Skrivning av %1 misslyckades!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Drivrutinen kunde inte öppnas! Kan inte skriva till PIPE03.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Enheten kunde inte öppnas! Kan inte skriva till PIPE03.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Sökvägen %1 är för lång; den måste vara kortare än %2 byte.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Kan inte öppna filen.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Kan inte hämta filstorleken från mottagaren!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Drivrutinen kunde inte öppnas! Kan inte skriva till PIPE02.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Enheten kunde inte öppnas! Kan inte skriva till PIPE02.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>DB-filen togs inte emot helt: %1 av %2 byte kom fram. De finns i %3, som inte öppnas.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kan inte skrivas.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Inget skickades; mottagaren behåller sin lista. Kontrollera att den är på och ansluten och tryck sedan på Starta igen.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Inget skickades. Gör mappen skrivbar, eller avmarkera ”Säkerhetskopiera mottagarens lista först” för att skicka utan säkerhetskopia.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Säkerhetskopieringen av mottagarens lista misslyckades. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Mottagaren kan ha en ofullständig lista. Skicka säkerhetskopian (Arkiv &gt; Återställ mottagarens säkerhetskopia...) eller denna fil igen.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Inget skickades; mottagaren behåller sin lista. Tryck på Starta för att försöka igen.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Filen skickades men lästes inte tillbaka. Hämta mottagarens lista med USB-uppladdning för att kontrollera den.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>inte tillbakaläst</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>Mottagarens lista är inte den som skickades: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Skicka filen igen; om skillnaden kvarstår ändrar mottagaren listan själv.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>Skickade %1 byte på %2 s</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; tillbakaläst: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB är inte ansluten. Försök igen!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ångra %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gör om %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>”%1 %2” kunde inte utföras: DB är upptagen eller kan inte skrivas (SQLite-fel %3).
DB är som förut.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>USB-nedladdning</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Ladda ned från fil(&amp;D)</translation>
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
        <translation>Säkerhetskopiera mottagarens lista först</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Läs tillbaka listan och jämför</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Nedladdningsförlopp</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>DB-fil(*.dat);;Alla filer(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Öppna eller välj din DB-fil först.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Om du laddar ned denna DB-fil raderas den befintliga DB:n i mottagaren. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Filen kunde inte öppnas!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Filen %1 skickas inte: %2.
Reparera den (orvane-cli check nämner varje problem) eller välj en annan fil.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Mottagaren kan ha en ofullständig lista. Skicka säkerhetskopian av dess lista som togs före denna nedladdning (%1)?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>USB-uppladdning</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Lokal mapp</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Bläddra(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Öppna uppladdad DB-fil(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Uppladdningsförlopp</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Kan inte hitta en sökväg för det markerade objektet!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Felmeddelande</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Välj mappen först.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 är inte en mapp. Välj en mapp.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>Mappen %1 finns inte. Vill du skapa den?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Mappen %1 kunde inte skapas.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Bildformat </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Bannervisning (sekunder)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Bannertyp</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Undertext </translation>
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
        <translation>Kanallistan som den visas</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favoritgrupp: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Kanalkort (nummer och namn, stor stil)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggande</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>Skriv &amp;ut:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientering:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Förhandsgranska utskrift</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Föregående sida</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nästa sida</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Skriv &amp;ut…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sida %1 av %2</translation>
    </message>
</context>
</TS>

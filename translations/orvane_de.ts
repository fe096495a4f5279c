<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Über Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane Version 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Senderlisten-Editor für die Datenbank des Receivers</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Keine DB geöffnet. Öffnen Sie zuerst Ihre DB!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>Sper&amp;ren</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>E&amp;ntsperren</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>Ein&amp;blenden</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Auf N&amp;ummer verschieben…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>In &amp;Namen ersetzen…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>Auswahl &amp;neu nummerieren ab…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Ungültige Nummer!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 fehlgeschlagen (sqlite3-Fehler %2); nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Auf Nummer verschieben</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>Die ausgewählten Sender erhalten die Plätze ab:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Auswahl neu nummerieren ab</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>Die ausgewählten Sender werden nummeriert ab:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Hinzufügen zu „%1“</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Dieser Sender ist bereits enthalten!
%1 der %2 Sender waren schon in „%3“ und wurden übersprungen.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Zur &amp;Favoritengruppe hinzufügen</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Ersetzen in Namen</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>%n Sender sperren</numerusform>
            <numerusform>%n Sender sperren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>%n Sender entsperren</numerusform>
            <numerusform>%n Sender entsperren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>%n Sender ausblenden</numerusform>
            <numerusform>%n Sender ausblenden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>%n Sender einblenden</numerusform>
            <numerusform>%n Sender einblenden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>%n Sender zu %1 hinzufügen</numerusform>
            <numerusform>%n Sender zu %1 hinzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n anderer Sender ist bereits von %1 bis %2 nummeriert.
Die Sender ab Nummer %1 um %3 nach hinten verschieben, um Platz zu schaffen? Nein bricht ab.</numerusform>
            <numerusform>%n andere Sender sind bereits von %1 bis %2 nummeriert.
Die Sender ab Nummer %1 um %3 nach hinten verschieben, um Platz zu schaffen? Nein bricht ab.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>%n Sender ab %1 neu nummerieren</numerusform>
            <numerusform>%n Sender ab %1 neu nummerieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>In %n Namen ersetzen</numerusform>
            <numerusform>In %n Namen ersetzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>%n Sender nach oben verschieben</numerusform>
            <numerusform>%n Sender nach oben verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>%n Sender nach unten verschieben</numerusform>
            <numerusform>%n Sender nach unten verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>%n Sender auf Nummer %1 verschieben</numerusform>
            <numerusform>%n Sender auf Nummer %1 verschieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 von %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Sender aus einer anderen Datei hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n Sender von %1 ist nicht in dieser Datei:</numerusform>
            <numerusform>%n Sender von %1 sind nicht in dieser Datei:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Nach Name, Satellit oder Anbieter filtern</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>nach dem letzten Sender</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Nummer ab:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Wählen Sie die hinzuzufügenden Sender.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Geben Sie eine Sendernummer von 1 bis 99999 ein oder lassen Sie das Feld leer.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Sender werden neu nummeriert</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Sender werden umbenannt</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 hinzugekommen, %2 entfernt, %3 verschoben, %4 umbenannt</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle Änderungen</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugekommen</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Neue Nr.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
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
        <translation>hinzugekommen</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>&amp;Reihenfolge aus dieser Datei übernehmen</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>&amp;Neue Sender zu einer Gruppe hinzufügen…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Neue Sender zu einer Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>Mit Datei &amp;vergleichen…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>Sender aus &amp;anderer Datei hinzufügen…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 besteht die Prüfungen des Receivers nicht und wurde nicht verwendet; nichts wurde geändert.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Sender aus einer anderen Datei hinzufügen</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>%1 konnte nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Diese Datei hat keine Favoritengruppe, zu der die Sender hinzugefügt werden könnten.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>%n neuen Sender zu %1 hinzufügen</numerusform>
            <numerusform>%n neue Sender zu %1 hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Hinzufügen zu „%1“ fehlgeschlagen (sqlite3-Fehler %2); nichts wurde geändert.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Diese Datei enthält jeden Sender von %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Keiner der gewählten Sender kann hinzugefügt werden; nichts wurde geändert.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n der gewählten Sender kann nicht hinzugefügt werden. Die %1 anderen hinzufügen?</numerusform>
            <numerusform>%n der gewählten Sender können nicht hinzugefügt werden. Die %1 anderen hinzufügen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Die anderen hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>%n Sender aus %1 hinzufügen</numerusform>
            <numerusform>%n Sender aus %1 hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Hinzufügen der Sender fehlgeschlagen (sqlite3-Fehler %1); nichts wurde geändert.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>LO-Frequenz (oberes Band)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>LNB-Einstellungen von Tuner 1 nach Tuner 2 kopieren</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Angezeigt: Tuner %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Sender werden neu nummeriert</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>Als PDF &amp;exportieren…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>Die Liste konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 ist die geöffnete Senderdatei; wählen Sie einen anderen Namen für die PDF-Datei.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 angezeigt</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Gruppe „%1“: %2</translation>
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
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>Prüfung: der Receiver hat geantwortet</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>Größe: %1 Byte in %2, die die Prüfungen bestanden haben</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>Wiederherstellen: die Sicherung %1 wird gesendet</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>Prüfung: der Receiver hat geantwortet</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>Größe und Ankündigung: %1 Byte, nach %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>empfangen: %1 von %2 Byte in %3 Blöcken</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>der empfangene Teil wurde entfernt, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>%1 Byte in %2 s nach %3 empfangen</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Vorheriger Treffer (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Name, Anbieter, Service-ID oder MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>S&amp;uchen:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Nur &amp;Treffer</translation>
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
        <translation>Alle Satelliten</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>Ges&amp;perrt</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Aus&amp;geblendet</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>&amp;Verschlüsselt</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;In keiner Favoritengruppe</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Ende erreicht, Suche oben fortgesetzt</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Anfang erreicht, Suche unten fortgesetzt</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>Sender als CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>Sender aus CSV &amp;importieren…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>&amp;Reihenfolge aus Referenzdatei übernehmen…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>&amp;Doppelte Sender suchen…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Die Sender konnten nicht gelesen werden (sqlite3-Fehler %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 fehlgeschlagen (sqlite3-Fehler %2); nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Sender als CSV exportieren</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>%1 konnte nicht geschrieben werden.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>%1 Sender wurden in %2 geschrieben.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Sender aus CSV importieren</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 konnte nicht als Senderliste gelesen werden.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 wurde nicht importiert; nichts wurde geändert.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 ändert nichts.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>Der Import von %1 nimmt diese %2 Änderungen vor:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>Der Import</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Reihenfolge aus Referenzdatei übernehmen</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Referenzlisten (*.dat *.csv);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>Die Referenzliste konnte nicht gelesen werden; nichts wurde geändert.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Zugeordnete Sender übernehmen die Reihenfolge von %1; nicht zugeordnete folgen in ihrer bisherigen Reihenfolge.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Auch die &amp;Favoritengruppen der Referenz übernehmen</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Reihenfolge wird übernommen</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Es wurden keine doppelten Sender gefunden.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Doppelte Sender suchen</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 Gruppen von Sendern sind jeweils derselbe Sender. Beim Entfernen bleibt in jeder Gruppe der in [ ] erhalten (ein Favorit, sonst die niedrigste Nummer).</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>Doppelte &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>%1 Sender mit ihren Favoriten-, Zeitplan- und Verschlüsselungseinträgen entfernen?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Doppelte werden entfernt</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Sender aus CSV importieren</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Reihenfolge aus Referenzdatei übernehmen</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Doppelte Sender entfernen</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Kein Titel</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>Die Liste konnte nicht aus der DB gelesen werden: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Diese Zeile enthält einen Wert, den das Format des Receivers nicht erlaubt (%1). Sie bleibt unverändert.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Bitte alle Felder ausfüllen!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Bitte alle Felder ausfüllen!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Keine Sendernummer unter 20000 ist frei.
Der Sender wird nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Der Anbieter konnte nicht in der DB gespeichert werden.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Der Sender konnte nicht in der DB gespeichert werden.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>N&amp;IT-Info</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>SAT-Name :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>Sender&amp;name :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>Sendernr. :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>Service-I&amp;D :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Anbieter :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>&amp;V-PID :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>&amp;A-PID :</translation>
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
        <translation>V-PID</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>A-PID</translation>
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
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Gesperrt(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Verschlüsselt(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Ausgeblendet(H)</translation>
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
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Bearbeiten	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Bearbeiten	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Löschen	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>LNB bearbeiten</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEIN</translation>
    </message>
    <message>
        <source>mini A</source>
        <translation>Mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>Mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>LO-Frequenz</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellit :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>LNB-Typ :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>LO-Frequenz :</translation>
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
        <translation>TP-Frequenz :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Der Transponder konnte nicht in der DB gespeichert werden.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>NIT bearbeiten</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Transponder-Informationen</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Freq. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Freq. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Symbolrate :</translation>
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
        <translation>Ungültiger Längengradbereich.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Der Satellit konnte nicht in der DB gespeichert werden.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>OST</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>WEST</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
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
        <translation>&lt;p&gt;&lt;b&gt;Keine DB geöffnet.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Öffnen Sie die DB-Datei des Receivers mit Datei &amp;gt; Öffnen (Strg+O) oder holen Sie sie mit Datei &amp;gt; USB-Upload vom Receiver.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Zuletzt geöffnete Dateien:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Soll diese Favoritengruppe aus der DB entfernt werden?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Favoritengruppe hinzufügen</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Favoritengruppe umbenennen</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Favoritengruppe löschen</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Favoritengruppe verschieben</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Soll dies aus der Favoritenliste entfernt werden?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Soll diese Favoritenliste aus der DB entfernt werden?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Ungültige Daten ausgewählt</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Die Einträge konnten nicht aus der DB entfernt werden.
Es wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Favoriteneinträge entfernen</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Favoriteneintrag verschieben</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>DB-Dateien (*.dat);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Wählen Sie den Ordner zum Speichern der Datei.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Durchgeschleift</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Anschluss :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>LNB-Einstellungen</translation>
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
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Schaltertyp :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Soll dieser Eintrag aus der DB entfernt werden?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>Die LNB-Einstellungen konnten nicht gespeichert werden; die gespeicherten bleiben erhalten.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>LNB-Einstellungen speichern</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Menüsprache </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Audiosprache </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Untertitelsprache :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Layout zurücksetzen</translation>
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
        <translation>Dienst</translation>
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
        <translation>Frequenz</translation>
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
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
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
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>LO-Frequenz</translation>
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
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favoritengruppe: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Jugendschutz </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Systemsperre</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Sendersperre</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Sender ausblenden</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Von SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Über Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>Die Oberfläche wechselt beim nächsten Start von Orvane zu %1.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument erstellen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>USB-&amp;Upload</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>DB-Datei vom Receiver übertragen</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>USB-&amp;Download</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>DB-Datei zum Receiver übertragen</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Receiver-&amp;Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>&amp;Sender bearbeiten</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>&amp;NIT bearbeiten</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>&amp;LNB bearbeiten</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>Nächster &amp;Bereich</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>Vo&amp;rheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Fehler beim Laden der Ansicht</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Sender</translation>
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
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Soll dieser Eintrag aus der DB gelöscht werden?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Klicken Sie zuerst links auf den Satelliten des neuen Transponders.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Satellit %1 bearbeiten</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Satelliten löschen</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Satelliten verschieben</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 ist %2, keine DB-Datei, und wird daher nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Ein anderes Fenster hat %1 geöffnet. Schließen Sie es dort, bevor Sie es hier öffnen.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 wird nicht geöffnet: %2 ist ein Link oder eine Datei eines anderen Benutzers an der Stelle, an der der Editor seine eigene Datei ablegt. Entfernen Sie es und öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 kann nicht so gelesen werden, wie SQLite es liest, und wird daher nicht geöffnet.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>Die Arbeitskopie %1 konnte nicht angelegt werden; die Datei wird daher nicht geöffnet.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Öffnen der Datei beim Lesen der DB fehlgeschlagen</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Ungültige DB-Version. Erforderlich ist %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>Die DB hat nicht den Tabellenaufbau des Receivers und wird daher nicht geöffnet.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Sollen die geänderten DB-Inhalte gespeichert werden?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Durch Ihre Version ersetzen?
Wählen Sie Nein, um sie zu behalten, und verwenden Sie stattdessen Speichern unter.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Ein anderes Fenster hat %1 geöffnet. Schließen Sie es dort, bevor Sie darüber speichern.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>Die DB konnte nicht unter %1 gespeichert werden.
%2 ist ein Link oder eine Datei eines anderen Benutzers an der Stelle, an der der Editor seine eigene Datei ablegt; entfernen Sie es zuerst.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>Die DB konnte nicht unter %1 gespeichert werden.
Das ist die Arbeitskopie selbst; bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>Die DB wird gerade geändert und wurde nicht gespeichert. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>Die DB konnte nicht unter %1 gespeichert werden.
Die letzten Änderungen konnten nicht aus %2-wal übernommen werden; vielleicht liest ein anderes Programm die Datei (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>Die DB konnte nicht unter %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 ist schreibgeschützt, daher kann die DB dort nicht gespeichert werden. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Ungültige Nummer!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Soll dieser Sender aus der DB gelöscht werden?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Dieser Sender ist bereits enthalten!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>Der Sender „%1“ ist bereits enthalten!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Fehler! Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Die Sender konnten nicht aus der DB gelöscht werden.
Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>Die Liste zeigt nicht die in der DB gespeicherten Sender.
Öffnen Sie die Datei erneut und nummerieren Sie dann neu.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Die neuen Nummern konnten nicht in der DB gespeichert werden.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Neu nummerieren und Umsortieren durch Ziehen sind aus, solange ein Filter Sender ausblendet: Die Reihenfolge der ausgeblendeten Sender darf sich nicht unbemerkt ändern.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filter aktiv: %1 von %2 Sendern angezeigt. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Sender hinzufügen</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Sender %1 bearbeiten</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>%n Sender löschen</numerusform>
            <numerusform>%n Sender löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>%n Sender zu einer Favoritengruppe hinzufügen</numerusform>
            <numerusform>%n Sender zu einer Favoritengruppe hinzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>%n Sender zur Favoritenliste hinzufügen</numerusform>
            <numerusform>%n Sender zur Favoritenliste hinzufügen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>die PDF-Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 von %2 Sendern</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Die Änderungen auf dieser Seite wurden noch nicht mit „SPEICHERN“ gesichert.
Jetzt speichern?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>Groß-/Kleinschreibung &amp;ignorieren</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>In Namen ersetzen</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Alter Name</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>über %1 Byte</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 neue Namen sind länger als %2 Byte.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>%1 Namen ändern sich.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Receiver-Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Sicherungen der Receiver-Liste in %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Byte</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Senden(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Abbrechen(&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowFormat</name>
    <message>
        <source>mini A</source>
        <translation>Mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>Mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Wählen Sie die Transponder-Informationen in der Liste.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>NIT auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Satelliten</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>&amp;TP-Liste</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>Die Einstellungen des Receivers konnten nicht aus der DB gelesen werden:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Die Einstellungen konnten nicht in der DB gespeichert werden:
%1
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Die Standardeinstellungen konnten nicht in der DB kopiert werden:
%1
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Diese Datei enthält keine Standardeinstellungen.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>Die gespeicherten Einstellungen enthalten einen Wert, den das Format des Receivers nicht erlaubt (%1 = %2).
Sie bleiben unverändert.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Die Standardeinstellungen enthalten einen Wert, den das Format des Receivers nicht erlaubt (%1 = %2).
Die Einstellungen bleiben unverändert.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Hauptmenü-Einstellungen</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Benutzereinstellungen</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Sperreinstellungen</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Sprache </translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Receiver-Einstellungen</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 Jahre</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 Jahre</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 Jahre</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 Jahre</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 Jahre</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 Jahre</translation>
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
        <translation>2 Sekunden</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 Sekunden</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 Sekunden</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 Sekunden</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 Sekunden</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 Sekunden</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 Sekunden</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 Sekunden</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 Sekunden</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Sender in der Datei, davon TV und Radio, und die Einträge der aktuellen Favoritengruppe</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Sender: %1   TV: %2   Radio: %3</translation>
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
        <translation>Abbrechen(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Übertragung nach dem aktuellen Block anhalten?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Öffnen der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>Der Download wurde nach %1 von %2 Byte angehalten.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Lesen der Datei fehlgeschlagen! Die DB-Datei wurde nicht vollständig gesendet.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>Anforderung der Datenübertragung auf PIPE03 fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>Schreiben auf PIPE03 fehlgeschlagen!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>Der Upload wurde nach %1 von %2 Byte angehalten.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>Anforderung der Datenübertragung auf PIPE02 fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>Lesen von PIPE02 fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>Schreiben von %1 fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Öffnen des Treibers fehlgeschlagen! Schreiben auf PIPE03 nicht möglich.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Öffnen des Geräts fehlgeschlagen! Schreiben auf PIPE03 nicht möglich.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Der Pfad %1 ist zu lang; er muss kürzer als %2 Byte sein.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Dateigröße konnte nicht vom Receiver abgefragt werden!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Öffnen des Treibers fehlgeschlagen! Schreiben auf PIPE02 nicht möglich.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Öffnen des Geräts fehlgeschlagen! Schreiben auf PIPE02 nicht möglich.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>Die DB-Datei wurde nicht vollständig empfangen: %1 von %2 Byte sind angekommen. Sie liegen in %3, das nicht geöffnet wird.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Es wurde nichts gesendet; der Receiver behält seine Liste. Prüfen Sie, ob er eingeschaltet und verbunden ist, und drücken Sie dann erneut Start.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Es wurde nichts gesendet. Machen Sie den Ordner beschreibbar oder entfernen Sie das Häkchen bei „Zuerst die Liste des Receivers sichern“, um ohne Sicherung zu senden.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Die Sicherung der Receiver-Liste ist fehlgeschlagen. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Der Receiver enthält möglicherweise eine unvollständige Liste. Senden Sie die Sicherung (Datei &gt; Receiver-Sicherung wiederherstellen...) oder diese Datei erneut.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Es wurde nichts gesendet; der Receiver behält seine Liste. Drücken Sie Start, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Die Datei wurde gesendet, aber nicht zurückgelesen. Holen Sie die Liste des Receivers mit USB-Upload, um sie zu prüfen.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>nicht zurückgelesen</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>Die Liste des Receivers ist nicht die gesendete: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Senden Sie die Datei erneut; bleibt der Unterschied, ändert der Receiver die Liste selbst.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>%1 Byte in %2 s gesendet</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; zurückgelesen: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB ist nicht verbunden. Versuchen Sie es erneut!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>„%1 %2“ konnte nicht ausgeführt werden: Die DB ist belegt oder nicht beschreibbar (SQLite-Fehler %3).
Die DB ist unverändert.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>USB-Download</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Aus Datei senden(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokale Datei</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Datei(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Zuerst die Liste des Receivers sichern</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Liste zurücklesen und vergleichen</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>DB-Datei(*.dat);;Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Bitte öffnen oder wählen Sie zuerst Ihre DB-Datei.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Wenn Sie diese DB-Datei herunterladen, wird die vorhandene DB im Receiver gelöscht. Wirklich fortfahren?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Öffnen der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Die Datei %1 wird nicht gesendet: %2.
Reparieren Sie sie (orvane-cli check nennt jedes Problem) oder wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Der Receiver enthält möglicherweise eine unvollständige Liste. Die vor diesem Download erstellte Sicherung seiner Liste senden (%1)?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>USB-Upload</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Lokaler Ordner</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Durchsuchen(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Hochgeladene DB-Datei öffnen(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Upload-Fortschritt</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Für das ausgewählte Element kann kein Pfad ermittelt werden!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Fehlermeldung</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Bitte wählen Sie zuerst den Ordner.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 ist kein Ordner. Bitte wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>Der Ordner %1 existiert nicht. Soll er angelegt werden?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Seitenverhältnis </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Banner-Anzeigedauer (Sekunden)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Bannertyp</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Untertitel </translation>
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
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Senderliste wie angezeigt</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favoritengruppe: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Senderkarte (Nummer und Name, große Schrift)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Drucken:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Ausrichtung:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
</TS>

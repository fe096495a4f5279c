<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Informazioni su Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane versione 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Editor della lista canali del database del ricevitore</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Nessun DB aperto. Aprire prima il DB!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Blocca</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>S&amp;blocca</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Nascondi</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Sposta in &amp;cima</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Sposta in &amp;fondo</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Sposta al n&amp;umero…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Sostituisci nei &amp;nomi…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>&amp;Rinumera la selezione da…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Numero non valido!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 non riuscito (errore sqlite3 %2); non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Sposta al numero</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>I canali selezionati prendono le posizioni a partire da:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Rinumera la selezione da</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>I canali selezionati vengono numerati a partire da:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Aggiunta a «%1»</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Questo canale è già presente!
%1 dei %2 canali erano già in «%3» e sono stati saltati.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Aggiungi al gruppo &amp;preferiti</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Rinumerazione</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Sostituzione nei nomi</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>Blocca %n canale</numerusform>
            <numerusform>Blocca %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>Sblocca %n canale</numerusform>
            <numerusform>Sblocca %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>Nascondi %n canale</numerusform>
            <numerusform>Nascondi %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>Mostra %n canale</numerusform>
            <numerusform>Mostra %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>Aggiungi %n canale a %1</numerusform>
            <numerusform>Aggiungi %n canali a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n altro canale è già numerato da %1 a %2.
Spostare di %3 i canali numerati da %1 in su per fare spazio? No annulla.</numerusform>
            <numerusform>Altri %n canali sono già numerati da %1 a %2.
Spostare di %3 i canali numerati da %1 in su per fare spazio? No annulla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Rinumera %n canale da %1</numerusform>
            <numerusform>Rinumera %n canali da %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Sostituisci in %n nome</numerusform>
            <numerusform>Sostituisci in %n nomi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Sposta %n canale in cima</numerusform>
            <numerusform>Sposta %n canali in cima</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Sposta %n canale in fondo</numerusform>
            <numerusform>Sposta %n canali in fondo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Sposta %n canale al numero %1</numerusform>
            <numerusform>Sposta %n canali al numero %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 di %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Aggiungi canali da un altro file</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n canale di %1 non è in questo file:</numerusform>
            <numerusform>%n canali di %1 non sono in questo file:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Filtra per nome, satellite o provider</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
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
        <translation>dopo l&apos;ultimo canale</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Numera da:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Selezionare i canali da aggiungere.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Indicare un numero di canale da 1 a 99999 o lasciare vuoto.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Rinumerazione dei canali</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Rinomina dei canali</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Confronto con %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 aggiunti, %2 rimossi, %3 spostati, %4 rinominati</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Tutte le modifiche</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Aggiunti</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Rimossi</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Spostati</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Rinominati</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Nuovo n.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regola</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>added</source>
        <translation>aggiunto</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>rimosso</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>spostato</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>rinominato</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Applica l&apos;&amp;ordine di questo file</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>Aggiungi i canali &amp;nuovi a un gruppo…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Aggiungi i canali nuovi a un gruppo</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppo:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Confronta con un file…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>&amp;Aggiungi canali da un altro file…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 non supera i controlli del ricevitore e non è stato usato; non è stato modificato nulla.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Confronta con un file</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Aggiungi canali da un altro file</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>Impossibile leggere %1.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Questo file non ha alcun gruppo preferiti a cui aggiungere i canali.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Aggiungi %n nuovo canale a %1</numerusform>
            <numerusform>Aggiungi %n nuovi canali a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Aggiunta a «%1» non riuscita (errore sqlite3 %2); non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Questo file contiene tutti i canali di %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Nessuno dei canali scelti può essere aggiunto; non è stato modificato nulla.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n dei canali scelti non può essere aggiunto. Aggiungere gli altri %1?</numerusform>
            <numerusform>%n dei canali scelti non possono essere aggiunti. Aggiungere gli altri %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Aggiungi gli altri</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Aggiungi %n canale da %1</numerusform>
            <numerusform>Aggiungi %n canali da %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Aggiunta dei canali non riuscita (errore sqlite3 %1); non è stato modificato nulla.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>Freq. OL (banda alta)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Copia le impostazioni LNB dal tuner 1 al tuner 2</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Visualizzato: tuner %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Rinumerazione dei canali</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Anteprima di stampa…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Esporta come PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>Impossibile stampare la lista.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 è il file dei canali aperto; scegliere un altro nome per il PDF.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 di %2 mostrati</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Gruppo «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>verifica: il ricevitore ha risposto</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>dimensione: %1 byte in %2, che ha superato i controlli</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>ripristino: invio del backup %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>verifica: il ricevitore ha risposto</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>dimensione e annuncio: %1 byte, in %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>ricevuti: %1 di %2 byte in %3 blocchi</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>rimossa la parte ricevuta, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>Ricevuti %1 byte in %2 s in %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Risultato precedente (Maiusc+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Risultato successivo (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Nome, provider, ID servizio o MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Chiudi la barra di ricerca (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Solo &amp;risultati</translation>
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
        <translation>Qualsiasi satellite</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>Bl&amp;occati</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Nasc&amp;osti</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>&amp;Criptati</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;In nessun gruppo preferiti</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Raggiunta la fine, si continua dall&apos;inizio</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Raggiunto l&apos;inizio, si continua dalla fine</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Nessun risultato</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>&amp;Esporta canali in CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>&amp;Importa canali da CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Applica l&apos;&amp;ordine da un file di riferimento…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>Trova canali &amp;duplicati…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Impossibile leggere i canali (errore sqlite3 %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 non riuscito (errore sqlite3 %2); non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Esporta canali in CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>Impossibile scrivere %1.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>%1 canali sono stati scritti in %2.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importa canali da CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>Impossibile leggere %1 come lista canali.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 non è stato importato; non è stato modificato nulla.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 non cambia nulla.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>L&apos;importazione di %1 apporta queste %2 modifiche:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>L&apos;importazione</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Applica l&apos;ordine da un file di riferimento</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Liste di riferimento (*.dat *.csv);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>Impossibile leggere la lista di riferimento; non è stato modificato nulla.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>I canali abbinati prendono l&apos;ordine di %1; quelli non abbinati seguono nel loro ordine attuale.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Prendi anche i gruppi &amp;preferiti del riferimento</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Applicazione dell&apos;ordine</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Non sono stati trovati canali duplicati.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Trova canali duplicati</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 insiemi di canali sono lo stesso canale. La rimozione tiene quello tra [ ] (un preferito, altrimenti il numero più basso) di ogni insieme.</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>&amp;Rimuovi duplicati</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>Rimuovere %1 canali con le loro voci di preferiti, programmazione e criptatura?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Rimozione dei duplicati</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Importa canali da CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Applica l&apos;ordine da un file di riferimento</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Rimuovi canali duplicati</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>Impossibile leggere la lista dal DB: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Questa riga contiene un valore che il formato del ricevitore non ammette (%1). Resta invariata.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 deve essere un numero intero da %2 a %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 deve essere un numero.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Compilare tutti i campi!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Compilare tutti i campi!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Nessun numero di canale sotto 20000 è libero.
Il canale non viene aggiunto.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Impossibile salvare il provider nel DB.
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Impossibile salvare il canale nel DB.
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>Info N&amp;IT</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>Nome SAT :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servizio</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>&amp;Nome canale :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>N. canale :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>I&amp;D servizio :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Provider :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>PID &amp;video :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>PID &amp;audio :</translation>
    </message>
    <message>
        <source>P&amp;CR-PID :</source>
        <translation>PID P&amp;CR :</translation>
    </message>
    <message>
        <source>P&amp;MT-Pid :</source>
        <translation>PID P&amp;MT :</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation>PID video</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>PMT-Pid</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Attributi</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Bloccato(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Criptato(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Nascosto(H)</translation>
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
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Modifica	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Modifica	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Elimina	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Elimina	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Rinumera</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>Modifica LNB</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NESSUNO</translation>
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
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Freq. OL</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>Tipo LNB :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>Freq. OL :</translation>
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
        <translation>Freq. TP :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero tra %1 e %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Impossibile salvare il transponder nel DB.
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>Modifica NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Informazioni transponder</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Freq. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Freq. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Symbol rate :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarizzazione :</translation>
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
        <translation>Intervallo di longitudine non valido.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Impossibile salvare il satellite nel DB.
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>EST</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>OVEST</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nome :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Posizione :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Nessun DB aperto.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Aprire il file DB del ricevitore con File &amp;gt; Apri (Ctrl+O), oppure prelevarlo dal ricevitore con File &amp;gt; Upload USB.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;File recenti:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Rimuovere questo gruppo di preferiti dal DB?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Aggiungi gruppo preferiti</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Rinomina gruppo preferiti</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Elimina gruppo preferiti</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Sposta gruppo preferiti</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Servizio</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Rimuovere dalla lista dei preferiti?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Rimuovere questa lista di preferiti dal DB?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Dati selezionati non validi</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Impossibile rimuovere le voci dal DB.
Non è stato rimosso nulla.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Rimuovi voci preferite</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Sposta voce preferita</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>File DB (*.dat);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Selezionare la cartella in cui salvare il file.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Separato</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Loop Thru</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Collegamento :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>Impostazioni LNB</translation>
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
        <translation>SALVA</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Tipo di switch :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Rimuovere questo elemento dal DB?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>Impossibile salvare le impostazioni LNB; restano quelle salvate.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>Salva impostazioni LNB</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Seleziona lingua</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Lingua menu </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Lingua audio </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Lingua sottotitoli :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Ripristina disposizione</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servizio</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbol rate</translation>
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
        <translation>PID V</translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation>PID A</translation>
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
        <translation>Attributi</translation>
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
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Tipo LNB</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Freq. OL</translation>
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
        <translation>Lista canali</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Gruppo preferiti: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Controllo parentale </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Elementi bloccati</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Blocco di sistema</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Blocco canali</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Nascondi canale</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Da SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Informazioni su Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>L&apos;interfaccia passerà a %1 al prossimo avvio di Orvane.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crea un nuovo documento</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Apri un documento esistente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salva il documento attivo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>&amp;Upload USB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>Trasferisci il file DB dal ricevitore</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>&amp;Download USB</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>Trasferisci il file DB al ricevitore</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Ripristina &amp;backup del ricevitore...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>File recente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>Modifica &amp;canali</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>Modifica &amp;NIT</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>Modifica &amp;LNB</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>&amp;Riquadro successivo</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>Riquadro &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Trova...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Trova &amp;precedente</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Rinumera</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Errore nel caricamento della vista</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Canali</translation>
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
        <translation>Opzioni</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Eliminare questo elemento dal DB?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Fare prima clic a sinistra sul satellite del nuovo transponder.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Aggiungi satellite</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Modifica satellite %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Aggiungi transponder</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Elimina satelliti</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Sposta satelliti</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 è %2, non un file DB, quindi non viene aperto.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 non è stato trovato.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Un&apos;altra finestra ha aperto %1. Chiuderlo lì prima di aprirlo qui.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 non viene aperto: %2 è un collegamento o un file di un altro utente nel punto in cui l&apos;editor tiene il proprio file. Rimuoverlo e riaprire il file.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 non può essere letto come lo legge SQLite, quindi non viene aperto.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>Impossibile creare la copia di lavoro %1, quindi il file non viene aperto.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Apertura del file non riuscita durante la lettura del DB</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Versione del DB non valida. Deve usare %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>Il DB non ha la struttura di tabelle del ricevitore, quindi non viene aperto.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossibile aprire il documento.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Salvare le modifiche al DB?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1 è stato modificato da un altro programma dopo l&apos;apertura. Sostituirlo con la propria versione?
Scegliere No per conservarlo e usare invece Salva con nome.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Un&apos;altra finestra ha aperto %1. Chiuderlo lì prima di salvarci sopra.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>Impossibile salvare il DB in %1.
%2 è un collegamento o un file di un altro utente nel punto in cui l&apos;editor tiene il proprio file; rimuoverlo prima.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>Impossibile salvare il DB in %1.
È la copia di lavoro stessa; scegliere un altro nome.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>Il DB è nel mezzo di una modifica e non è stato salvato. Riprovare.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>Impossibile salvare il DB in %1.
Impossibile raccogliere le ultime modifiche da %2-wal; forse un altro programma lo sta leggendo (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>Impossibile salvare il DB in %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 è di sola lettura, quindi il DB non può essere salvato lì. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Numero non valido!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Eliminare questo canale dal DB?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Questo canale è già presente!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>Il canale «%1» è già presente!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Errore! L&apos;operazione è stata annullata.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Impossibile eliminare i canali dal DB.
Non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>La lista non mostra i canali salvati nel DB.
Riaprire il file e rinumerare di nuovo.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Impossibile salvare i nuovi numeri nel DB.
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Rinumerazione e riordino trascinando sono disattivati mentre un filtro nasconde dei canali: l&apos;ordine dei canali nascosti non deve cambiare senza che si veda.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filtro attivo: mostrati %1 di %2 canali. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Modifica canale %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Elimina %n canale</numerusform>
            <numerusform>Elimina %n canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Rinumera</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Aggiungi %n canale a un gruppo preferiti</numerusform>
            <numerusform>Aggiungi %n canali a un gruppo preferiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Aggiungi %n canale alla lista preferiti</numerusform>
            <numerusform>Aggiungi %n canali alla lista preferiti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: impossibile scrivere: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>impossibile disegnare il PDF</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 di %2 canali</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Le modifiche di questa pagina non sono ancora state salvate con «SALVA».
Salvarle ora?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;Ignora maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Sostituisci nei nomi</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Nome prima</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nome dopo</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Sostituisci con:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>oltre %1 byte</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 nuovi nomi superano i %2 byte.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>Cambiano %1 nomi.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Ripristina backup del ricevitore</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Backup della lista del ricevitore in %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> byte</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Invia(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Annulla(&amp;C)</translation>
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
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Nessun dato</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Selezionare le informazioni del transponder nella lista.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>Seleziona NIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Satelliti</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>Lista &amp;TP</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>Impossibile leggere le impostazioni del ricevitore dal DB:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Impossibile salvare le impostazioni nel DB:
%1
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Impossibile copiare le impostazioni predefinite nel DB:
%1
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Questo file non ha impostazioni predefinite.
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>Le impostazioni salvate contengono un valore che il formato del ricevitore non ammette (%1 = %2).
Restano invariate.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Le impostazioni predefinite contengono un valore che il formato del ricevitore non ammette (%1 = %2).
Le impostazioni restano invariate.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Impostazioni menu principale</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Impostazioni utente</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Controllo blocco</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Lingua </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predefinite</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Impostazioni del ricevitore</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danese</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegese</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 anni</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 anni</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 anni</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 anni</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 anni</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 anni</translation>
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
        <translation>2 secondi</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 secondi</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 secondi</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 secondi</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 secondi</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 secondi</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 secondi</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 secondi</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 secondi</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Semplice</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Canali nel file, di cui TV e radio, e le voci del gruppo preferiti attuale</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Canali: %1   TV: %2   Radio: %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>Avvia(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Annulla(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Fermare il trasferimento dopo il blocco in corso?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Apertura del file non riuscita!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>Il download è stato fermato dopo %1 di %2 byte.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Lettura del file non riuscita! Il file DB non è stato inviato completamente.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>Richiesta di trasferimento su PIPE03 non riuscita!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>Scrittura su PIPE03 non riuscita!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>L&apos;upload è stato fermato dopo %1 di %2 byte.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>Richiesta di trasferimento su PIPE02 non riuscita!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>Lettura da PIPE02 non riuscita!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>Scrittura di %1 non riuscita!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Apertura del driver non riuscita! Impossibile scrivere su PIPE03.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Apertura del dispositivo non riuscita! Impossibile scrivere su PIPE03.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Il percorso %1 è troppo lungo; deve essere più corto di %2 byte.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Impossibile ottenere dal ricevitore la dimensione del file!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Apertura del driver non riuscita! Impossibile scrivere su PIPE02.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Apertura del dispositivo non riuscita! Impossibile scrivere su PIPE02.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>Il file DB non è stato ricevuto completamente: sono arrivati %1 di %2 byte. Sono conservati in %3, che non viene aperto.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Non è stato inviato nulla; il ricevitore mantiene la sua lista. Verificare che sia acceso e collegato, poi premere di nuovo Avvia.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Non è stato inviato nulla. Rendere scrivibile la cartella o togliere la spunta da «Esegui prima il backup della lista del ricevitore» per inviare senza backup.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Il backup della lista del ricevitore non è riuscito. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Il ricevitore potrebbe contenere una lista incompleta. Inviare il backup (File &gt; Ripristina backup del ricevitore...) o di nuovo questo file.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Non è stato inviato nulla; il ricevitore mantiene la sua lista. Premere Avvia per riprovare.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Il file è stato inviato ma non riletto. Prelevare la lista del ricevitore con Upload USB per controllarla.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>non riletto</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>La lista del ricevitore non è quella inviata: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Inviare di nuovo il file; se la differenza resta, è il ricevitore a modificare la lista.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>Inviati %1 byte in %2 s</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; rilettura: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB non collegato. Riprovare!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>Impossibile eseguire «%1 %2»: il DB è occupato o non scrivibile (errore SQLite %3).
Il DB è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>Download USB</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Download da file(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>File locale</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>File(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Esegui prima il backup della lista del ricevitore</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Rileggi la lista e confronta</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Avanzamento download</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>File DB(*.dat);;Tutti i file(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Aprire o selezionare prima il file DB.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Scaricando questo file DB, il DB esistente nel ricevitore verrà eliminato. Continuare?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Apertura del file non riuscita!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Il file %1 non viene inviato: %2.
Ripararlo (orvane-cli check indica ogni problema) o scegliere un altro file.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Il ricevitore potrebbe contenere una lista incompleta. Inviare il backup della sua lista fatto prima di questo download (%1)?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>Upload USB</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Cartella locale</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Sfoglia(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Apri il file DB caricato(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Avanzamento upload</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Impossibile ottenere un percorso per l&apos;elemento selezionato!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Messaggio di errore</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Selezionare prima la cartella.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 non è una cartella. Selezionare una cartella.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>La cartella %1 non esiste. Crearla?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Formato immagine </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Durata banner (secondi)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Tipo di banner</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Sottotitoli </translation>
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
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Lista canali come mostrata</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Gruppo preferiti: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Scheda canali (numero e nome, caratteri grandi)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Stampa:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientamento:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Pagina &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Pagina &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
</TS>

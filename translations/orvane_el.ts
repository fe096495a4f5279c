<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Σχετικά με το Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane Έκδοση 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Πρόγραμμα επεξεργασίας της λίστας καναλιών της βάσης δεδομένων του δέκτη</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Δεν υπάρχει ανοιχτή ΒΔ. Ανοίξτε πρώτα τη ΒΔ σας!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Κλείδωμα</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>Ξε&amp;κλείδωμα</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Απόκρυψη</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>&amp;Εμφάνιση</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Μετακίνηση στην &amp;αρχή</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Μετακίνηση στο &amp;τέλος</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Μετακίνηση σε α&amp;ριθμό…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Αντικατάσταση στα &amp;ονόματα…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>Νέα &amp;αρίθμηση επιλογής από…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Μη έγκυρος αριθμός!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Το %1 απέτυχε (σφάλμα sqlite3 %2)· δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Μετακίνηση σε αριθμό</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>Τα επιλεγμένα κανάλια παίρνουν τις θέσεις από:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Νέα αρίθμηση επιλογής από</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>Τα επιλεγμένα κανάλια αριθμούνται από:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Προσθήκη στο «%1»</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Το κανάλι έχει ήδη προστεθεί!
%1 από τα %2 κανάλια ήταν ήδη στο «%3» και παραλείφθηκαν.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Προσθήκη σε ομάδα &amp;αγαπημένων</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Νέα αρίθμηση</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Αντικατάσταση στα ονόματα</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>Κλείδωμα %n καναλιού</numerusform>
            <numerusform>Κλείδωμα %n καναλιών</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>Ξεκλείδωμα %n καναλιού</numerusform>
            <numerusform>Ξεκλείδωμα %n καναλιών</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>Απόκρυψη %n καναλιού</numerusform>
            <numerusform>Απόκρυψη %n καναλιών</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>Εμφάνιση %n καναλιού</numerusform>
            <numerusform>Εμφάνιση %n καναλιών</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>Προσθήκη %n καναλιού στο %1</numerusform>
            <numerusform>Προσθήκη %n καναλιών στο %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n άλλο κανάλι είναι ήδη αριθμημένο από %1 έως %2.
Μετακίνηση των καναλιών από τον αριθμό %1 και πάνω κατά %3 για να γίνει χώρος; Το Όχι ακυρώνει.</numerusform>
            <numerusform>%n άλλα κανάλια είναι ήδη αριθμημένα από %1 έως %2.
Μετακίνηση των καναλιών από τον αριθμό %1 και πάνω κατά %3 για να γίνει χώρος; Το Όχι ακυρώνει.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Νέα αρίθμηση %n καναλιού από %1</numerusform>
            <numerusform>Νέα αρίθμηση %n καναλιών από %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Αντικατάσταση σε %n όνομα</numerusform>
            <numerusform>Αντικατάσταση σε %n ονόματα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Μετακίνηση %n καναλιού στην αρχή</numerusform>
            <numerusform>Μετακίνηση %n καναλιών στην αρχή</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Μετακίνηση %n καναλιού στο τέλος</numerusform>
            <numerusform>Μετακίνηση %n καναλιών στο τέλος</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Μετακίνηση %n καναλιού στον αριθμό %1</numerusform>
            <numerusform>Μετακίνηση %n καναλιών στον αριθμό %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 από %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Προσθήκη καναλιών από άλλο αρχείο</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n κανάλι του %1 δεν υπάρχει σε αυτό το αρχείο:</numerusform>
            <numerusform>%n κανάλια του %1 δεν υπάρχουν σε αυτό το αρχείο:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Φιλτράρισμα κατά όνομα, δορυφόρο ή πάροχο</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Αρ.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Είδος</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Δορυφόρος</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Αναμεταδότης</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Πάροχος</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>μετά το τελευταίο κανάλι</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Αρίθμηση από:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Επιλογή &amp;όλων</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Επιλέξτε τα κανάλια προς προσθήκη.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Δώστε αριθμό καναλιού από 1 έως 99999 ή αφήστε το κενό.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Νέα αρίθμηση καναλιών</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Μετονομασία καναλιών</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Σύγκριση με %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 προστέθηκαν, %2 αφαιρέθηκαν, %3 μετακινήθηκαν, %4 μετονομάστηκαν</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Όλες οι αλλαγές</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Προστέθηκαν</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Αφαιρέθηκαν</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Μετακινήθηκαν</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Μετονομάστηκαν</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Αρ.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Νέος αρ.</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Νέο όνομα</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Κανόνας</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Δορυφόρος</translation>
    </message>
    <message>
        <source>added</source>
        <translation>προστέθηκε</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>αφαιρέθηκε</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>μετακινήθηκε</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>μετονομάστηκε</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Εφαρμογή της &amp;σειράς αυτού του αρχείου</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>Προσθήκη των &amp;νέων καναλιών σε ομάδα…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Προσθήκη των νέων καναλιών σε ομάδα</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Ομάδα:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Σύγκριση με αρχείο…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>Προσθήκη καναλιών από &amp;άλλο αρχείο…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>Το %1 δεν περνά τους ελέγχους του δέκτη και δεν χρησιμοποιήθηκε· δεν άλλαξε τίποτα.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Σύγκριση με αρχείο</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Προσθήκη καναλιών από άλλο αρχείο</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του %1.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Αυτό το αρχείο δεν έχει ομάδα αγαπημένων για την προσθήκη των καναλιών.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Προσθήκη %n νέου καναλιού στο %1</numerusform>
            <numerusform>Προσθήκη %n νέων καναλιών στο %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Η προσθήκη στο «%1» απέτυχε (σφάλμα sqlite3 %2)· δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Αυτό το αρχείο περιέχει κάθε κανάλι του %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Κανένα από τα επιλεγμένα κανάλια δεν μπορεί να προστεθεί· δεν άλλαξε τίποτα.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n από τα επιλεγμένα κανάλια δεν μπορεί να προστεθεί. Προσθήκη των %1 υπολοίπων;</numerusform>
            <numerusform>%n από τα επιλεγμένα κανάλια δεν μπορούν να προστεθούν. Προσθήκη των %1 υπολοίπων;</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Προσθήκη των υπολοίπων</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Προσθήκη %n καναλιού από το %1</numerusform>
            <numerusform>Προσθήκη %n καναλιών από το %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Η προσθήκη των καναλιών απέτυχε (σφάλμα sqlite3 %1)· δεν άλλαξε τίποτα.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>Συχνότητα LO (υψηλή ζώνη)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Αντιγραφή των ρυθμίσεων LNB του δέκτη 1 στον δέκτη 2</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Εμφανίζεται: δέκτης %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Νέα αρίθμηση καναλιών</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Εκτύπωση…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Προεπισκόπηση εκτύπωσης…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Εξαγωγή ως PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>Δεν ήταν δυνατή η εκτύπωση της λίστας.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Εξαγωγή ως PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Αρχεία PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>Το %1 είναι το ανοιχτό αρχείο καναλιών· επιλέξτε άλλο όνομα για το PDF.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>εμφανίζονται %1 από %2</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Ομάδα «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>Λεπτομέρειες</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>έλεγχος: ο δέκτης απάντησε</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>μέγεθος: %1 byte στο %2, που πέρασε τους ελέγχους</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>επαναφορά: αποστολή του αντιγράφου ασφαλείας %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>έλεγχος: ο δέκτης απάντησε</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>μέγεθος και αναγγελία: %1 byte, στο %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>ελήφθησαν: %1 από %2 byte σε %3 τμήματα</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>αφαιρέθηκε το ληφθέν τμήμα, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>Ελήφθησαν %1 byte σε %2 s στο %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Προηγούμενο αποτέλεσμα (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Επόμενο αποτέλεσμα (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Όνομα, πάροχος, αναγνωριστικό υπηρεσίας ή MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Κλείσιμο της γραμμής αναζήτησης (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Εύρεση:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Μόνο &amp;αποτελέσματα</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Ραδιόφωνο</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Κάθε δορυφόρος</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>Κλει&amp;δωμένα</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Κρυ&amp;μμένα</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>Κω&amp;δικοποιημένα</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;Σε καμία ομάδα αγαπημένων</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 από %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Έφτασε στο τέλος, συνέχεια από την αρχή</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Έφτασε στην αρχή, συνέχεια από το τέλος</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Κανένα αποτέλεσμα</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>Αρχεία CSV (*.csv);;Όλα τα αρχεία (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>&amp;Εξαγωγή καναλιών σε CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>Ε&amp;ισαγωγή καναλιών από CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Εφαρμογή &amp;σειράς από αρχείο αναφοράς…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>Εύρεση &amp;διπλών καναλιών…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των καναλιών (σφάλμα sqlite3 %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>Το %1 απέτυχε (σφάλμα sqlite3 %2)· δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Εξαγωγή καναλιών σε CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %1.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>Γράφτηκαν %1 κανάλια στο %2.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Εισαγωγή καναλιών από CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του %1 ως λίστας καναλιών.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>Το %1 δεν εισήχθη· δεν άλλαξε τίποτα.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>Το %1 δεν αλλάζει τίποτα.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>Η εισαγωγή του %1 κάνει αυτές τις %2 αλλαγές:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>Ε&amp;ισαγωγή</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>Η εισαγωγή</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Εφαρμογή σειράς από αρχείο αναφοράς</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Λίστες αναφοράς (*.dat *.csv);;Όλα τα αρχεία (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της λίστας αναφοράς· δεν άλλαξε τίποτα.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Τα αντιστοιχισμένα κανάλια παίρνουν τη σειρά του %1· τα υπόλοιπα ακολουθούν με την τωρινή τους σειρά.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Εφαρμογή</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Λήψη και των ομάδων &amp;αγαπημένων της αναφοράς</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Εφαρμογή της σειράς</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Δεν βρέθηκαν διπλά κανάλια.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Εύρεση διπλών καναλιών</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 σύνολα καναλιών είναι το ίδιο κανάλι. Η αφαίρεση κρατά σε κάθε σύνολο αυτό σε [ ] (ένα αγαπημένο, αλλιώς τον μικρότερο αριθμό).</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>&amp;Αφαίρεση διπλών</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>Αφαίρεση %1 καναλιών μαζί με τις γραμμές αγαπημένων, προγραμματισμού και κωδικοποίησης;</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Αφαίρεση των διπλών</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Εισαγωγή καναλιών από CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Εφαρμογή σειράς από αρχείο αναφοράς</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Αφαίρεση διπλών καναλιών</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Χωρίς τίτλο</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>ανεπαρκής μνήμη</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της λίστας από τη ΒΔ: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Αυτή η γραμμή περιέχει τιμή που η μορφή του δέκτη δεν επιτρέπει (%1). Μένει αμετάβλητη.</translation>
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
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>Το %1 πρέπει να είναι ακέραιος από %2 έως %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>Το %1 πρέπει να είναι αριθμός.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Συμπληρώστε όλα τα πεδία!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Συμπληρώστε όλα τα πεδία!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Δεν υπάρχει ελεύθερος αριθμός καναλιού κάτω από 20000.
Το κανάλι δεν προστίθεται.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του παρόχου στη ΒΔ.
Δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του καναλιού στη ΒΔ.
Δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Επεξεργασία καναλιού</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>Πληροφορίες N&amp;IT</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>Όνομα SAT :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Υπηρεσία</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>Ό&amp;νομα καναλιού :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>Αρ. καναλιού :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>Αναγνωριστικό υπηρεσίας (I&amp;D) :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Πάροχος :</translation>
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
        <translation>Αναγνωριστικό υπηρεσίας</translation>
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
        <translation>Σήμανση</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Κλειδωμένο(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>Κω&amp;δικοποιημένο(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Κρυμμένο(H)</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Ραδιόφωνο</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Προσθήκη</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Επεξεργασία	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Επεξεργασία	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Διαγραφή	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Διαγραφή	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Νέα αρίθμηση</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>Επεξεργασία LNB</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>ΚΑΝΕΝΑ</translation>
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
        <translation>Συχνότητα LO</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Δορυφόρος :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>Τύπος LNB :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>Συχνότητα LO :</translation>
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
        <translation>Συχνότητα TP :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Εισαγάγετε έναν ακέραιο μεταξύ %1 και %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του αναμεταδότη στη ΒΔ.
Δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>Επεξεργασία NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Πληροφορίες αναμεταδότη</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Κάθετη</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Οριζόντια</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Συχν. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Ρυθμός συμβόλων</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Συχν. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Ρυθμός συμβόλων :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Πόλωση :</translation>
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
        <translation>Μη έγκυρο εύρος γεωγραφικού μήκους.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του δορυφόρου στη ΒΔ.
Δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Επεξεργασία δορυφόρου</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>ΑΝΑΤΟΛΙΚΑ</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>ΔΥΤΙΚΑ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Θέση</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Όνομα :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Θέση :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Δεν υπάρχει ανοιχτή ΒΔ.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Ανοίξτε το αρχείο ΒΔ του δέκτη με Αρχείο &amp;gt; Άνοιγμα (Ctrl+O) ή φέρτε το από τον δέκτη με Αρχείο &amp;gt; Αποστολή USB.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Πρόσφατα αρχεία:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Αγαπημένα</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Θέλετε να αφαιρέσετε αυτή την ομάδα αγαπημένων από τη ΒΔ;</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Προσθήκη ομάδας αγαπημένων</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Μετονομασία ομάδας αγαπημένων</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Διαγραφή ομάδας αγαπημένων</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Μετακίνηση ομάδας αγαπημένων</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Υπηρεσία</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Θέλετε να το αφαιρέσετε από τη λίστα αγαπημένων;</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Θέλετε να αφαιρέσετε αυτή τη λίστα αγαπημένων από τη ΒΔ;</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Επιλέχθηκαν μη έγκυρα δεδομένα</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Δεν ήταν δυνατή η αφαίρεση των εγγραφών από τη ΒΔ.
Δεν αφαιρέθηκε τίποτα.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Αφαίρεση καταχωρίσεων αγαπημένων</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Μετακίνηση καταχώρισης αγαπημένων</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>Αρχεία ΒΔ (*.dat);;Όλα τα αρχεία (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Επιλέξτε τον φάκελο για την αποθήκευση του αρχείου.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Χωριστά</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Loop Thru (διέλευση)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Σύνδεση :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>Ρύθμιση LNB</translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation>Δέκτης 1</translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation>Δέκτης 2</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ΑΠΟΘΗΚΕΥΣΗ</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Τύπος διακόπτη :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Εισαγάγετε έναν ακέραιο.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Εισαγάγετε έναν ακέραιο μεταξύ %1 και %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Θέλετε να αφαιρέσετε αυτό το στοιχείο από τη ΒΔ;</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρυθμίσεων LNB· διατηρούνται οι αποθηκευμένες.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>Αποθήκευση ρυθμίσεων LNB</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Επιλογή γλώσσας</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Γλώσσα μενού </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Γλώσσα ήχου </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Γλώσσα υποτίτλων :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Επαναφορά διάταξης</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>Αρ.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Υπηρεσία</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Δορυφόρος</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Συχνότητα</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Ρυθμός συμβόλων</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Πόλ</translation>
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
        <translation>Σήμανση</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Πάροχος</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Θέση</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Ρυθμός συμβόλων</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Πόλωση</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Τύπος LNB</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Συχνότητα LO</translation>
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
        <translation>Λίστα καναλιών</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Ομάδα αγαπημένων: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Γονικός έλεγχος </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Κλειδωμένα στοιχεία</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Κλείδωμα συστήματος</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Κλείδωμα καναλιών</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Απόκρυψη καναλιού</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Εργαλεία</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Ρυθμίσεις</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Μορφή</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>Ε&amp;ισαγωγή</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Από SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Ε&amp;ξαγωγή</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Σχετικά με το Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Εμφάνιση πληροφοριών προγράμματος, αριθμού έκδοσης και πνευματικών δικαιωμάτων</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Γλώσσα</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>Η διεπαφή θα αλλάξει σε %1 στην επόμενη εκκίνηση του Orvane.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Νέο</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Δημιουργία νέου εγγράφου</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Άνοιγμα υπάρχοντος εγγράφου</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Απο&amp;θήκευση</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Αποθήκευση του ενεργού εγγράφου</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Αποθήκευση &amp;ως...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>Αποστολή &amp;USB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Αποστολή</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>Μεταφορά του αρχείου ΒΔ από τον δέκτη</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>&amp;Λήψη USB</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>Μεταφορά του αρχείου ΒΔ στον δέκτη</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Επαναφορά &amp;αντιγράφου ασφαλείας του δέκτη...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Πρόσφατο αρχείο</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Επεξεργασία</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Π&amp;ροβολή</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>Επεξεργασία &amp;καναλιών</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>Επεξεργασία &amp;NIT</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>Επεξεργασία &amp;LNB</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>Επόμενο &amp;τμήμα</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>Προ&amp;ηγούμενο τμήμα</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Εύρεση...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Εύρεση &amp;επόμενου</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Εύρεση &amp;προηγούμενου</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Βασική</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Νέα αρίθμηση</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Έτοιμο</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Σφάλμα φόρτωσης προβολής</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Κανάλια</translation>
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
        <translation>Ρυθμίσεις</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Θέλετε να διαγράψετε αυτό το στοιχείο από τη ΒΔ;</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Η διαγραφή απέτυχε</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Κάντε πρώτα κλικ αριστερά στον δορυφόρο του νέου αναμεταδότη.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Προσθήκη δορυφόρου</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Επεξεργασία δορυφόρου %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Προσθήκη αναμεταδότη</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Επεξεργασία αναμεταδότη</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Διαγραφή δορυφόρων</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Διαγραφή αναμεταδοτών</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Μετακίνηση δορυφόρων</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Χωρίς όνομα</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>Το %1 είναι %2, όχι αρχείο ΒΔ, γι&apos; αυτό δεν ανοίγει.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Το %1 δεν βρέθηκε.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Άλλο παράθυρο έχει ανοιχτό το %1. Κλείστε το εκεί πριν το ανοίξετε εδώ.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>Το %1 δεν ανοίγει: το %2 είναι σύνδεσμος ή αρχείο άλλου χρήστη εκεί όπου το πρόγραμμα κρατά το δικό του αρχείο. Αφαιρέστε το και ανοίξτε ξανά το αρχείο.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>Το %1 δεν μπορεί να διαβαστεί όπως το διαβάζει η SQLite, γι&apos; αυτό δεν ανοίγει.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του αντιγράφου εργασίας %1, γι&apos; αυτό το αρχείο δεν ανοίγει.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>Το άνοιγμα του αρχείου απέτυχε κατά την ανάγνωση της ΒΔ</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Μη έγκυρη έκδοση ΒΔ. Πρέπει να χρησιμοποιεί %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>Η ΒΔ δεν έχει τη διάταξη πινάκων του δέκτη, γι&apos; αυτό δεν ανοίγει.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του εγγράφου.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Θέλετε να αποθηκεύσετε τις αλλαγές της ΒΔ;</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>Το %1 άλλαξε από άλλο πρόγραμμα αφού το ανοίξατε. Να αντικατασταθεί με τη δική σας έκδοση;
Επιλέξτε Όχι για να το κρατήσετε και χρησιμοποιήστε την Αποθήκευση ως.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Άλλο παράθυρο έχει ανοιχτό το %1. Κλείστε το εκεί πριν αποθηκεύσετε πάνω του.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση της ΒΔ στο %1.
Το %2 είναι σύνδεσμος ή αρχείο άλλου χρήστη εκεί όπου το πρόγραμμα κρατά το δικό του αρχείο· αφαιρέστε το πρώτα.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση της ΒΔ στο %1.
Είναι το ίδιο το αντίγραφο εργασίας· επιλέξτε άλλο όνομα.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>Η ΒΔ βρίσκεται στη μέση μιας αλλαγής και δεν αποθηκεύτηκε. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση της ΒΔ στο %1.
Οι τελευταίες αλλαγές δεν μπόρεσαν να συγκεντρωθούν από το %2-wal· ίσως το διαβάζει άλλο πρόγραμμα (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση της ΒΔ στο %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>Το %1 είναι μόνο για ανάγνωση, γι&apos; αυτό η ΒΔ δεν μπορεί να αποθηκευτεί εκεί. Επιλέξτε άλλο όνομα.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Μη έγκυρος αριθμός!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Θέλετε να διαγράψετε αυτό το κανάλι από τη ΒΔ;</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Το κανάλι έχει ήδη προστεθεί!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>Το κανάλι «%1» έχει ήδη προστεθεί!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Σφάλμα! Η εργασία ακυρώθηκε.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Δεν ήταν δυνατή η διαγραφή των καναλιών από τη ΒΔ.
Δεν διαγράφηκε τίποτα.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>Η λίστα δεν δείχνει τα κανάλια που είναι αποθηκευμένα στη ΒΔ.
Ανοίξτε ξανά το αρχείο και αριθμήστε ξανά.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των νέων αριθμών στη ΒΔ.
Δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Η νέα αρίθμηση και η αναδιάταξη με σύρσιμο είναι ανενεργές όσο ένα φίλτρο κρύβει κανάλια: η σειρά των κρυμμένων καναλιών δεν πρέπει να αλλάζει χωρίς να φαίνεται.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Φίλτρο ενεργό: εμφανίζονται %1 από %2 κανάλια. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Προσθήκη καναλιού</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Επεξεργασία καναλιού %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Διαγραφή %n καναλιού</numerusform>
            <numerusform>Διαγραφή %n καναλιών</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Νέα αρίθμηση</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Προσθήκη %n καναλιού σε ομάδα αγαπημένων</numerusform>
            <numerusform>Προσθήκη %n καναλιών σε ομάδα αγαπημένων</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Προσθήκη %n καναλιού στη λίστα αγαπημένων</numerusform>
            <numerusform>Προσθήκη %n καναλιών στη λίστα αγαπημένων</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Σελίδα %1 από %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: δεν είναι δυνατή η εγγραφή: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>δεν ήταν δυνατή η σχεδίαση του PDF</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 κανάλια</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 από %2 κανάλια</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Οι αλλαγές αυτής της σελίδας δεν έχουν αποθηκευτεί ακόμη με «ΑΠΟΘΗΚΕΥΣΗ».
Θέλετε να τις αποθηκεύσετε τώρα;</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;Χωρίς διάκριση πεζών/κεφαλαίων</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Αντικατάσταση στα ονόματα</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Παλιό όνομα</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Νέο όνομα</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Εύρεση:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Αντικατάσταση με:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>πάνω από %1 byte</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 νέα ονόματα είναι μεγαλύτερα από %2 byte.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>Αλλάζουν %1 ονόματα.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Επαναφορά αντιγράφου ασφαλείας του δέκτη</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Αντίγραφα ασφαλείας της λίστας του δέκτη στο %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Κανάλια</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> byte</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Αποστολή(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Άκυρο(&amp;C)</translation>
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
        <translation>Οριζόντια</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Κάθετη</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Κανένα δεδομένο</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Επιλέξτε τις πληροφορίες αναμεταδότη στη λίστα.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>Επιλογή NIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Δορυφόροι</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>Λίστα &amp;TP</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των ρυθμίσεων του δέκτη από τη ΒΔ:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρυθμίσεων στη ΒΔ:
%1
Δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Δεν ήταν δυνατή η αντιγραφή των προεπιλεγμένων ρυθμίσεων στη ΒΔ:
%1
Δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Αυτό το αρχείο δεν έχει προεπιλεγμένες ρυθμίσεις.
Δεν άλλαξε τίποτα.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>Οι αποθηκευμένες ρυθμίσεις περιέχουν τιμή που η μορφή του δέκτη δεν επιτρέπει (%1 = %2).
Μένουν αμετάβλητες.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Οι προεπιλεγμένες ρυθμίσεις περιέχουν τιμή που η μορφή του δέκτη δεν επιτρέπει (%1 = %2).
Οι ρυθμίσεις μένουν αμετάβλητες.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Ρυθμίσεις κύριου μενού</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Ρυθμίσεις χρήστη</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Έλεγχος κλειδώματος</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Γλώσσα </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Προεπιλογή</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Άκυρο</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Ρυθμίσεις δέκτη</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Αγγλικά</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ρωσικά</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Γαλλικά</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Ιταλικά</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Ολλανδικά</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Γερμανικά</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Δανικά</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Αραβικά</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Τουρκικά</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Ισπανικά</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Σουηδικά</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Νορβηγικά</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 ετών</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 ετών</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 ετών</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 ετών</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 ετών</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 ετών</translation>
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
        <translation>2 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Κανονικό</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Απλό</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Κανάλια του αρχείου, από αυτά TV και ραδιόφωνο, και οι εγγραφές της τρέχουσας ομάδας αγαπημένων</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Κανάλια: %1   TV: %2   Ραδιόφωνο: %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>Έναρξη(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Άκυρο(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Διακοπή της μεταφοράς μετά το τρέχον τμήμα;</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Το άνοιγμα του αρχείου απέτυχε!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>Η λήψη διακόπηκε μετά από %1 από %2 byte.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Η ανάγνωση του αρχείου απέτυχε! Το αρχείο ΒΔ δεν στάλθηκε ολόκληρο.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>Το αίτημα μεταφοράς δεδομένων στο PIPE03 απέτυχε!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>Η εγγραφή στο PIPE03 απέτυχε!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>Η αποστολή διακόπηκε μετά από %1 από %2 byte.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>Το αίτημα μεταφοράς δεδομένων στο PIPE02 απέτυχε!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>Η ανάγνωση από το PIPE02 απέτυχε!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>Η εγγραφή του %1 απέτυχε!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Το άνοιγμα του προγράμματος οδήγησης απέτυχε! Δεν είναι δυνατή η εγγραφή στο PIPE03.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Το άνοιγμα της συσκευής απέτυχε! Δεν είναι δυνατή η εγγραφή στο PIPE03.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Η διαδρομή %1 είναι πολύ μεγάλη· πρέπει να είναι μικρότερη από %2 byte.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του αρχείου.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Δεν ήταν δυνατή η λήψη του μεγέθους αρχείου από τον δέκτη!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Το άνοιγμα του προγράμματος οδήγησης απέτυχε! Δεν είναι δυνατή η εγγραφή στο PIPE02.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Το άνοιγμα της συσκευής απέτυχε! Δεν είναι δυνατή η εγγραφή στο PIPE02.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>Το αρχείο ΒΔ δεν ελήφθη ολόκληρο: έφτασαν %1 από %2 byte. Φυλάσσονται στο %3, που δεν ανοίγει.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Δεν είναι δυνατή η εγγραφή του %1.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Δεν στάλθηκε τίποτα· ο δέκτης κρατά τη λίστα του. Ελέγξτε ότι είναι ανοιχτός και συνδεδεμένος και πατήστε ξανά Έναρξη.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Δεν στάλθηκε τίποτα. Κάντε τον φάκελο εγγράψιμο ή καταργήστε την επιλογή «Πρώτα αντίγραφο ασφαλείας της λίστας του δέκτη» για αποστολή χωρίς αντίγραφο.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Το αντίγραφο ασφαλείας της λίστας του δέκτη απέτυχε. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Ο δέκτης μπορεί να έχει ελλιπή λίστα. Στείλτε το αντίγραφο ασφαλείας (Αρχείο &gt; Επαναφορά αντιγράφου ασφαλείας του δέκτη...) ή ξανά αυτό το αρχείο.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Δεν στάλθηκε τίποτα· ο δέκτης κρατά τη λίστα του. Πατήστε Έναρξη για να δοκιμάσετε ξανά.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Το αρχείο στάλθηκε αλλά δεν διαβάστηκε πίσω. Φέρτε τη λίστα του δέκτη με Αποστολή USB για να την ελέγξετε.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>δεν διαβάστηκε πίσω</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>Η λίστα του δέκτη δεν είναι αυτή που στάλθηκε: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Στείλτε ξανά το αρχείο· αν η διαφορά παραμένει, ο δέκτης αλλάζει μόνος του τη λίστα.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>Στάλθηκαν %1 byte σε %2 s</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>· ανάγνωση πίσω: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>Το USB δεν είναι συνδεδεμένο. Δοκιμάστε ξανά!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Αναίρεση: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Α&amp;κύρωση αναίρεσης: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Α&amp;κύρωση αναίρεσης</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>Το «%1 %2» δεν έγινε: η ΒΔ είναι απασχολημένη ή δεν είναι εγγράψιμη (σφάλμα SQLite %3).
Η ΒΔ έμεινε όπως ήταν.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ακύρωση αναίρεσης</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>Λήψη USB</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Λήψη από αρχείο(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Τοπικό αρχείο</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Αρχείο(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Πρώτα αντίγραφο ασφαλείας της λίστας του δέκτη</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Ανάγνωση της λίστας πίσω και σύγκριση</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Πρόοδος λήψης</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>Αρχείο ΒΔ(*.dat);;Όλα τα αρχεία(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Ανοίξτε ή επιλέξτε πρώτα το αρχείο ΒΔ σας.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Αν κατεβάσετε αυτό το αρχείο ΒΔ, η υπάρχουσα ΒΔ του δέκτη θα διαγραφεί. Θέλετε σίγουρα να συνεχίσετε;</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Το άνοιγμα του αρχείου απέτυχε!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Το αρχείο %1 δεν στέλνεται: %2.
Επιδιορθώστε το (το orvane-cli check αναφέρει κάθε πρόβλημα) ή επιλέξτε άλλο αρχείο.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Ο δέκτης μπορεί να έχει ελλιπή λίστα. Να σταλεί το αντίγραφο ασφαλείας της λίστας του που πάρθηκε πριν από αυτή τη λήψη (%1);</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>Αποστολή USB</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Τοπικός φάκελος</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Αναζήτηση(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Άνοιγμα του ληφθέντος αρχείου ΒΔ(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Πρόοδος αποστολής</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Δεν είναι δυνατή η εύρεση διαδρομής για το επιλεγμένο στοιχείο!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Μήνυμα σφάλματος</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Επιλέξτε πρώτα τον φάκελο.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>Το %1 δεν είναι φάκελος. Επιλέξτε φάκελο.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>Ο φάκελος %1 δεν υπάρχει. Θέλετε να δημιουργηθεί;</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του φακέλου %1.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Αναλογία εικόνας </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Χρόνος εμφάνισης μπάνερ (δευτερόλεπτα)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Τύπος μπάνερ</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Υπότιτλοι </translation>
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
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Λίστα καναλιών όπως εμφανίζεται</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Ομάδα αγαπημένων: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Πίνακας</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Κάρτα καναλιών (αριθμός και όνομα, μεγάλα γράμματα)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Κατακόρυφα</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Οριζόντια</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Εκτύπωση:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Διάταξη:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Προσανατολισμός:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Προηγούμενη σελίδα</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Επόμενη σελίδα</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Εκτύπωση…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Σελίδα %1 από %2</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 other channel%2 already numbered from %3 to %4.
Move the channels numbered %3 and up by %5 to make room? No cancels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogFields</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;CR-PID :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;MT-Pid :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMT-Pid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mini A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mini B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC 1.0 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC 1.1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 khz :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP Freq :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditSatDlg</name>
    <message>
        <source>It&apos;s invalid longitude range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>columns/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Layout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V-PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 khz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NIT Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowFormat</name>
    <message>
        <source>mini A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mini B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Danish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 : 3 PS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 : 3 LB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Group: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not read back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

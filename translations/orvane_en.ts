<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BulkCommands</name>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>Lock %n channel</numerusform>
            <numerusform>Lock %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>Unlock %n channel</numerusform>
            <numerusform>Unlock %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>Hide %n channel</numerusform>
            <numerusform>Hide %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>Unhide %n channel</numerusform>
            <numerusform>Unhide %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>Add %n channel to %1</numerusform>
            <numerusform>Add %n channels to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n other channel is already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</numerusform>
            <numerusform>%n other channels are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Renumber %n channel from %1</numerusform>
            <numerusform>Renumber %n channels from %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Replace in %n name</numerusform>
            <numerusform>Replace in %n names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Move %n channel to the top</numerusform>
            <numerusform>Move %n channels to the top</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Move %n channel to the bottom</numerusform>
            <numerusform>Move %n channels to the bottom</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Move %n channel to number %1</numerusform>
            <numerusform>Move %n channels to number %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n channel of %1 is not in this file:</numerusform>
            <numerusform>%n channels of %1 are not in this file:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Add %n new channel to %1</numerusform>
            <numerusform>Add %n new channels to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n of the chosen channels cannot be added. Add the %1 others?</numerusform>
            <numerusform>%n of the chosen channels cannot be added. Add the %1 others?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Add %n channel from %1</numerusform>
            <numerusform>Add %n channels from %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Delete %n channel</numerusform>
            <numerusform>Delete %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Add %n channel to a favourite group</numerusform>
            <numerusform>Add %n channels to a favourite group</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Add %n channel to the favourite list</numerusform>
            <numerusform>Add %n channels to the favourite list</numerusform>
        </translation>
    </message>
</context>
</TS>

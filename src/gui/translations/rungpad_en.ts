<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Command</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>New(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>Open(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>Close(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>Save(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>Save As(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>Export Note(&amp;E)...</source>
        <translation>Export Note(&amp;E)...</translation>
    </message>
    <message>
        <source>Export  Note
</source>
        <translation>Export  Note
</translation>
    </message>
    <message>
        <source>Import Note(&amp;I)...</source>
        <translation>Import Note(&amp;I)...</translation>
    </message>
    <message>
        <source>Import Note
</source>
        <translation>Import Note
</translation>
    </message>
    <message>
        <source>Ladder Generated File(&amp;L)...</source>
        <translation>Ladder Generated File(&amp;L)...</translation>
    </message>
    <message>
        <source>Save as command file
</source>
        <translation>Save as command file
</translation>
    </message>
    <message>
        <source>Generate Binary File(&amp;B)...</source>
        <translation>Generate Binary File(&amp;B)...</translation>
    </message>
    <message>
        <source>Generate binary file
</source>
        <translation>Generate binary file
</translation>
    </message>
    <message>
        <source>Edit Ladder Diagram Information(&amp;M)</source>
        <translation>Edit Ladder Diagram Information(&amp;M)</translation>
    </message>
    <message>
        <source>Generate ladder diagram file 
</source>
        <translation>Generate ladder diagram file 
</translation>
    </message>
    <message>
        <source>Generate The Old Ladder Diagram File(&amp;D)</source>
        <translation>Generate The Old Ladder Diagram File(&amp;D)</translation>
    </message>
    <message>
        <source>Generate the old ladder diagram file
</source>
        <translation>Generate the old ladder diagram file
</translation>
    </message>
    <message>
        <source>Generate Instruction List(&amp;T)</source>
        <translation>Generate Instruction List(&amp;T)</translation>
    </message>
    <message>
        <source>Generate Instruction List 
</source>
        <translation>Generate Instruction List 
</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>Print(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)</source>
        <translation>Print Preview(&amp;V)</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>Print Setup(&amp;R)...</source>
        <translation>Print Setup(&amp;R)...</translation>
    </message>
    <message>
        <source>Print(&amp;R)...</source>
        <translation>Print(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>Print Documentation...</source>
        <translation>Print Documentation...</translation>
    </message>
    <message>
        <source>The program&apos;s documentation as one PDF: title page, ladder pages with coil references, cross-reference, address notes, review findings and instruction list</source>
        <translation>The program&apos;s documentation as one PDF: title page, ladder pages with coil references, cross-reference, address notes, review findings and instruction list</translation>
    </message>
    <message>
        <source>Compare With(&amp;W)...</source>
        <translation>Compare With(&amp;W)...</translation>
    </message>
    <message>
        <source>Mark the lines that differ from another program</source>
        <translation>Mark the lines that differ from another program</translation>
    </message>
    <message>
        <source>Next Difference</source>
        <translation>Next Difference</translation>
    </message>
    <message>
        <source>Previous Difference</source>
        <translation>Previous Difference</translation>
    </message>
    <message>
        <source>Open Trace(&amp;K)...</source>
        <translation>Open Trace(&amp;K)...</translation>
    </message>
    <message>
        <source>Shows a VCD file of a simulation run or a failed ladder test in the Timing Diagram window</source>
        <translation>Shows a VCD file of a simulation run or a failed ladder test in the Timing Diagram window</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>Exit(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>Undo(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>Redo(&amp;Y)</source>
        <translation>Redo(&amp;Y)</translation>
    </message>
    <message>
        <source>Redo the action last undone
Redo</source>
        <translation>Redo the action last undone
Redo</translation>
    </message>
    <message>
        <source>Multiple Line Selection(&amp;S)</source>
        <translation>Multiple Line Selection(&amp;S)</translation>
    </message>
    <message>
        <source>Select several whole lines
Multiple Line Selection</source>
        <translation>Select several whole lines
Multiple Line Selection</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>Cut(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection to the editor&apos;s clipboard
Cut</source>
        <translation>Cut the selection to the editor&apos;s clipboard
Cut</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>Copy(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection to the editor&apos;s clipboard
Copy</source>
        <translation>Copy the selection to the editor&apos;s clipboard
Copy</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>Paste(&amp;P)</translation>
    </message>
    <message>
        <source>Insert the editor&apos;s clipboard contents
Paste</source>
        <translation>Insert the editor&apos;s clipboard contents
Paste</translation>
    </message>
    <message>
        <source>Modify Note(&amp;M)</source>
        <translation>Modify Note(&amp;M)</translation>
    </message>
    <message>
        <source>Modify note
</source>
        <translation>Modify note
</translation>
    </message>
    <message>
        <source>Insert Line(&amp;I)</source>
        <translation>Insert Line(&amp;I)</translation>
    </message>
    <message>
        <source>Insert Line
</source>
        <translation>Insert Line
</translation>
    </message>
    <message>
        <source>Delete Line(&amp;D)</source>
        <translation>Delete Line(&amp;D)</translation>
    </message>
    <message>
        <source>Delete Line
</source>
        <translation>Delete Line
</translation>
    </message>
    <message>
        <source>Go Line(&amp;G)</source>
        <translation>Go Line(&amp;G)</translation>
    </message>
    <message>
        <source>Go to a line by its number
Go Line</source>
        <translation>Go to a line by its number
Go Line</translation>
    </message>
    <message>
        <source>Find(&amp;F)</source>
        <translation>Find(&amp;F)</translation>
    </message>
    <message>
        <source>Find(Ctrl+F)
</source>
        <translation>Find(Ctrl+F)
</translation>
    </message>
    <message>
        <source>Replace(&amp;R)</source>
        <translation>Replace(&amp;R)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Convert(&amp;V)</source>
        <translation>Convert(&amp;V)</translation>
    </message>
    <message>
        <source>Convert Ladder diagram(F7)
</source>
        <translation>Convert Ladder diagram(F7)
</translation>
    </message>
    <message>
        <source>Normally Open Contact</source>
        <translation>Normally Open Contact</translation>
    </message>
    <message>
        <source>Normally open contact(Ctrl+Q)
</source>
        <translation>Normally open contact(Ctrl+Q)
</translation>
    </message>
    <message>
        <source>Normally Closed Contact</source>
        <translation>Normally Closed Contact</translation>
    </message>
    <message>
        <source>Normally closed contact(Ctrl+W)
(Ctrl+W)</source>
        <translation>Normally closed contact(Ctrl+W)
(Ctrl+W)</translation>
    </message>
    <message>
        <source>Horizontal Conductive Line</source>
        <translation>Horizontal Conductive Line</translation>
    </message>
    <message>
        <source>Horizontal conductive line(Ctrl+G)
</source>
        <translation>Horizontal conductive line(Ctrl+G)
</translation>
    </message>
    <message>
        <source>Vertical Conductive Line</source>
        <translation>Vertical Conductive Line</translation>
    </message>
    <message>
        <source>Vertical conductive line(Ctrl+D)
</source>
        <translation>Vertical conductive line(Ctrl+D)
</translation>
    </message>
    <message>
        <source>Delete Nodes</source>
        <translation>Delete Nodes</translation>
    </message>
    <message>
        <source>Delete nodes(Del)
</source>
        <translation>Delete nodes(Del)
</translation>
    </message>
    <message>
        <source>Remove Vertical Conductive Line</source>
        <translation>Remove Vertical Conductive Line</translation>
    </message>
    <message>
        <source>Remove vertical conductive line(Ctrl+Shift+D)
</source>
        <translation>Remove vertical conductive line(Ctrl+Shift+D)
</translation>
    </message>
    <message>
        <source>Output Coil</source>
        <translation>Output Coil</translation>
    </message>
    <message>
        <source>Output coil(Ctrl+E)
</source>
        <translation>Output coil(Ctrl+E)
</translation>
    </message>
    <message>
        <source>Negated Output Coil</source>
        <translation>Negated Output Coil</translation>
    </message>
    <message>
        <source>Negated output coil(Ctrl+R)
</source>
        <translation>Negated output coil(Ctrl+R)
</translation>
    </message>
    <message>
        <source>function command</source>
        <translation>function command</translation>
    </message>
    <message>
        <source>function command(Ctrl+A)
 function command(Ctrl+A)</source>
        <translation>function command(Ctrl+A)
 function command(Ctrl+A)</translation>
    </message>
    <message>
        <source>Toolbar(&amp;T)</source>
        <translation>Toolbar(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>Status Bar(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Show or hide the status bar
Toggle StatusBar</translation>
    </message>
    <message>
        <source>Output window(&amp;O)</source>
        <translation>Output window(&amp;O)</translation>
    </message>
    <message>
        <source>Show or hide the output window
Output window</source>
        <translation>Show or hide the output window
Output window</translation>
    </message>
    <message>
        <source>Instruction Window(&amp;I)</source>
        <translation>Instruction Window(&amp;I)</translation>
    </message>
    <message>
        <source>Show or hide the instruction window
Instruction Window</source>
        <translation>Show or hide the instruction window
Instruction Window</translation>
    </message>
    <message>
        <source>Cross Reference</source>
        <translation>Cross Reference</translation>
    </message>
    <message>
        <source>Coil References</source>
        <translation>Coil References</translation>
    </message>
    <message>
        <source>Zoom In(&amp;Z)</source>
        <translation>Zoom In(&amp;Z)</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;U)</source>
        <translation>Zoom Out(&amp;U)</translation>
    </message>
    <message>
        <source>Actual Size(&amp;A)</source>
        <translation>Actual Size(&amp;A)</translation>
    </message>
    <message>
        <source>Fit Width(&amp;F)</source>
        <translation>Fit Width(&amp;F)</translation>
    </message>
    <message>
        <source>Start Simulation(&amp;S)</source>
        <translation>Start Simulation(&amp;S)</translation>
    </message>
    <message>
        <source>Stop Simulation(&amp;S)</source>
        <translation>Stop Simulation(&amp;S)</translation>
    </message>
    <message>
        <source>Start the simulation of the active program, or stop it
Start/Stop Simulation</source>
        <translation>Start the simulation of the active program, or stop it
Start/Stop Simulation</translation>
    </message>
    <message>
        <source>Single Scan(&amp;N)</source>
        <translation>Single Scan(&amp;N)</translation>
    </message>
    <message>
        <source>Run one scan of the simulation, starting it paused
Single Scan</source>
        <translation>Run one scan of the simulation, starting it paused
Single Scan</translation>
    </message>
    <message>
        <source>Pause(&amp;P)</source>
        <translation>Pause(&amp;P)</translation>
    </message>
    <message>
        <source>Speed x0.25</source>
        <translation>Speed x0.25</translation>
    </message>
    <message>
        <source>Real Time (8 ms a Scan)</source>
        <translation>Real Time (8 ms a Scan)</translation>
    </message>
    <message>
        <source>Speed x4</source>
        <translation>Speed x4</translation>
    </message>
    <message>
        <source>Speed x16</source>
        <translation>Speed x16</translation>
    </message>
    <message>
        <source>Signals(&amp;G)</source>
        <translation>Signals(&amp;G)</translation>
    </message>
    <message>
        <source>Timing Diagram(&amp;D)</source>
        <translation>Timing Diagram(&amp;D)</translation>
    </message>
    <message>
        <source>Load Stimulus(&amp;L)...</source>
        <translation>Load Stimulus(&amp;L)...</translation>
    </message>
    <message>
        <source>Unload Stimulus(&amp;U)</source>
        <translation>Unload Stimulus(&amp;U)</translation>
    </message>
    <message>
        <source>Record VCD(&amp;R)...</source>
        <translation>Record VCD(&amp;R)...</translation>
    </message>
    <message>
        <source>Run Tests(&amp;E)...</source>
        <translation>Run Tests(&amp;E)...</translation>
    </message>
    <message>
        <source>Run a ladder test file against the program</source>
        <translation>Run a ladder test file against the program</translation>
    </message>
    <message>
        <source>Test Results(&amp;O)</source>
        <translation>Test Results(&amp;O)</translation>
    </message>
    <message>
        <source>Simulation Toolbar(&amp;T)</source>
        <translation>Simulation Toolbar(&amp;T)</translation>
    </message>
    <message>
        <source>New Window(&amp;N)</source>
        <translation>New Window(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Open another window for the active document
New Window</translation>
    </message>
    <message>
        <source>Cascade(&amp;C)</source>
        <translation>Cascade(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Arrange windows so they overlap
Cascade Windows</translation>
    </message>
    <message>
        <source>Tile(&amp;T)</source>
        <translation>Tile(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Arrange windows as non-overlapping tiles
Tile Windows</translation>
    </message>
    <message>
        <source>Array Icon(&amp;A)</source>
        <translation>Array Icon(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Arrange icons at the bottom of the window
Arrange Icons</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <source>About Rungpad(&amp;A)...</source>
        <translation>About Rungpad(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information and version
About</source>
        <translation>Display program information and version
About</translation>
    </message>
    <message>
        <source>User Guide(&amp;G)</source>
        <translation>User Guide(&amp;G)</translation>
    </message>
    <message>
        <source>Open the user guide
User Guide</source>
        <translation>Open the user guide
User Guide</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts(&amp;K)</source>
        <translation>Keyboard Shortcuts(&amp;K)</translation>
    </message>
    <message>
        <source>List the keys of every command
Keyboard Shortcuts</source>
        <translation>List the keys of every command
Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>File(&amp;F)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>Edit(&amp;E)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>View(&amp;V)</translation>
    </message>
    <message>
        <source>Simulation(&amp;S)</source>
        <translation>Simulation(&amp;S)</translation>
    </message>
    <message>
        <source>Window(&amp;W)</source>
        <translation>Window(&amp;W)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Help(&amp;H)</translation>
    </message>
</context>
<context>
    <name>DocumentationPrinter</name>
    <message>
        <source>nothing was printed</source>
        <translation>nothing was printed</translation>
    </message>
    <message>
        <source>the bookmarks could not be added</source>
        <translation>the bookmarks could not be added</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>ZIZIdu 文件 (*.grp)</source>
        <translation>ZIZIdu file (*.grp)</translation>
    </message>
    <message>
        <source>PLC梯图文件 (*.grp)</source>
        <translation>PLC ladder file (*.grp)</translation>
    </message>
    <message>
        <source>PLC梯图文件 (*.plf;*.grp;*.bak)</source>
        <translation>PLC ladder file (*.plf;*.grp;*.bak)</translation>
    </message>
    <message>
        <source>备份文件 (*.bak)</source>
        <translation>Backup file (*.bak)</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>所有文件 (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>梯图二进制文件 (*.dat)</source>
        <translation>Ladder binary file (*.dat)</translation>
    </message>
    <message>
        <source>梯形图文件 (*.grp)</source>
        <translation>Ladder diagram file (*.grp)</translation>
    </message>
    <message>
        <source>指令表文件 (*.txt)</source>
        <translation>Instruction list file (*.txt)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>Ladder tests (*.plt)</source>
        <translation>Ladder tests (*.plt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Stimulus files (*.stim;*.txt)</source>
        <translation>Stimulus files (*.stim;*.txt)</translation>
    </message>
    <message>
        <source>Value Change Dump (*.vcd)</source>
        <translation>Value Change Dump (*.vcd)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
</context>
<context>
    <name>QtDocumentHost</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>File changed</source>
        <translation>File changed</translation>
    </message>
    <message>
        <source>%1 has been changed by another program since it was opened or saved.
Overwrite it with this document?</source>
        <translation>%1 has been changed by another program since it was opened or saved.
Overwrite it with this document?</translation>
    </message>
</context>
<context>
    <name>QtRecoveryPrompt</name>
    <message>
        <source>Recover document</source>
        <translation>Recover document</translation>
    </message>
    <message>
        <source>Rungpad was not closed properly. A recovery copy of %1 from %2 holds changes that were not saved.</source>
        <translation>Rungpad was not closed properly. A recovery copy of %1 from %2 holds changes that were not saved.</translation>
    </message>
    <message>
        <source>Recover opens it as a modified document; Discard deletes the copy; Later asks again at the next start.</source>
        <translation>Recover opens it as a modified document; Discard deletes the copy; Later asks again at the next start.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recover</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>The recovery copy %1 is damaged and cannot be opened.
Delete this copy?</source>
        <translation>The recovery copy %1 is damaged and cannot be opened.
Delete this copy?</translation>
    </message>
</context>
<context>
    <name>QtReloadPrompt</name>
    <message>
        <source>File changed on disk</source>
        <translation>File changed on disk</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.</source>
        <translation>%1 was changed on disk by another program.</translation>
    </message>
    <message>
        <source>Reload reads the file again and discards the changes made here since the last save; Keep leaves the document as it is.</source>
        <translation>Reload reads the file again and discards the changes made here since the last save; Keep leaves the document as it is.</translation>
    </message>
    <message>
        <source>Reload reads the file again; Keep leaves the document as it is.</source>
        <translation>Reload reads the file again; Keep leaves the document as it is.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Reload</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Keep</translation>
    </message>
</context>
<context>
    <name>rungpad::CChildFrame</name>
    <message>
        <source> [read-only]</source>
        <translation> [read-only]</translation>
    </message>
</context>
<context>
    <name>rungpad::CFindDlg</name>
    <message>
        <source>Find dialog</source>
        <translation>Find dialog</translation>
    </message>
    <message>
        <source>search target:</source>
        <translation>search target:</translation>
    </message>
    <message>
        <source>find</source>
        <translation>find</translation>
    </message>
    <message>
        <source>up(&amp;U)</source>
        <translation>up(&amp;U)</translation>
    </message>
    <message>
        <source>down(&amp;D)</source>
        <translation>down(&amp;D)</translation>
    </message>
    <message>
        <source>Find(&amp;F)</source>
        <translation>Find(&amp;F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>rungpad::CFuncDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>On the left  side of the list box or directly on the right side of the edit box input function instruction</source>
        <translation>On the left  side of the list box or directly on the right side of the edit box input function instruction</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>rungpad::CGotoLineDlg</name>
    <message>
        <source>Go to line</source>
        <translation>Go to line</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>go</source>
        <translation>go</translation>
    </message>
    <message>
        <source>line</source>
        <translation>line</translation>
    </message>
</context>
<context>
    <name>rungpad::CInsertLineDlg</name>
    <message>
        <source>Insert Line</source>
        <translation>Insert Line</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>insert</source>
        <translation>insert</translation>
    </message>
    <message>
        <source>line</source>
        <translation>line</translation>
    </message>
</context>
<context>
    <name>rungpad::CItemSetDlg</name>
    <message>
        <source>item set</source>
        <translation>item set</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCLE</source>
        <translation>CANCLE</translation>
    </message>
</context>
<context>
    <name>rungpad::CLadInfoDlg</name>
    <message>
        <source>Ladder diagram information</source>
        <translation>Ladder diagram information</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ladder version number:</source>
        <translation>ladder version number:</translation>
    </message>
    <message>
        <source>suitable machine tool:</source>
        <translation>suitable machine tool:</translation>
    </message>
    <message>
        <source>last modifie person:</source>
        <translation>last modifie person:</translation>
    </message>
</context>
<context>
    <name>rungpad::CMainFrame</name>
    <message>
        <source>Ladder diagram editor</source>
        <translation>Ladder diagram editor</translation>
    </message>
    <message>
        <source>The translation of the texts could not be loaded: the texts stay as they are.</source>
        <translation>The translation of the texts could not be loaded: the texts stay as they are.</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>Language(&amp;L)</translation>
    </message>
    <message>
        <source>Show the texts in the original wording, in Chinese or in English</source>
        <translation>Show the texts in the original wording, in Chinese or in English</translation>
    </message>
    <message>
        <source>输出窗口</source>
        <translation>Output Window</translation>
    </message>
    <message>
        <source>注释窗口</source>
        <translation>Note Window</translation>
    </message>
    <message>
        <source>指令表输出窗口</source>
        <translation>Instruction Window</translation>
    </message>
    <message>
        <source>The file could not be read again; the document stays as it was.</source>
        <translation>The file could not be read again; the document stays as it was.</translation>
    </message>
    <message>
        <source>Out of date: the last conversion failed (F7 converts again)</source>
        <translation>Out of date: the last conversion failed (F7 converts again)</translation>
    </message>
    <message>
        <source>The user guide was not found: it is installed with the program, in share/doc/rungpad.</source>
        <translation>The user guide was not found: it is installed with the program, in share/doc/rungpad.</translation>
    </message>
    <message>
        <source>Lines %1-%2</source>
        <translation>Lines %1-%2</translation>
    </message>
    <message>
        <source>%1 s  %2</source>
        <translation>%1 s  %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Line %1, Column %2</source>
        <translation>Line %1, Column %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>be ready</source>
        <translation>be ready</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Documentation written: %1</source>
        <translation>Documentation written: %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Stimulus unloaded: %1</source>
        <translation>Stimulus unloaded: %1</translation>
    </message>
    <message>
        <source>VCD written: %1</source>
        <translation>VCD written: %1</translation>
    </message>
    <message>
        <source>Stimulus loaded: %1 (playing from now)</source>
        <translation>Stimulus loaded: %1 (playing from now)</translation>
    </message>
    <message>
        <source>Stimulus loaded: %1 (plays from the start)</source>
        <translation>Stimulus loaded: %1 (plays from the start)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Recording to %1</translation>
    </message>
    <message>
        <source>Simulating: the program is read-only (F5 stops, F10 runs one scan, Space switches the contact at the cursor)</source>
        <translation>Simulating: the program is read-only (F5 stops, F10 runs one scan, Space switches the contact at the cursor)</translation>
    </message>
    <message>
        <source>Trace opened: %1</source>
        <translation>Trace opened: %1</translation>
    </message>
    <message>
        <source>Image written: %1</source>
        <translation>Image written: %1</translation>
    </message>
    <message>
        <source>Compare With %1: %2</source>
        <translation>Compare With %1: %2</translation>
    </message>
    <message>
        <source>test file refused: %1</source>
        <translation>test file refused: %1</translation>
    </message>
    <message>
        <source>%1 cannot run: %2</source>
        <translation>%1 cannot run: %2</translation>
    </message>
    <message>
        <source>Tests: nothing ran: %1</source>
        <translation>Tests: nothing ran: %1</translation>
    </message>
    <message>
        <source>Tests %1: %2 passed, %3 failed</source>
        <translation>Tests %1: %2 passed, %3 failed</translation>
    </message>
    <message>
        <source>The document these tests ran on is closed.</source>
        <translation>The document these tests ran on is closed.</translation>
    </message>
    <message>
        <source>%1 has changed since its tests ran: run them again first.</source>
        <translation>%1 has changed since its tests ran: run them again first.</translation>
    </message>
    <message>
        <source>case &apos;%1&apos; of %2</source>
        <translation>case &apos;%1&apos; of %2</translation>
    </message>
    <message>
        <source>Showing %1 at %2ms, paused (F10 runs one scan): %3</source>
        <translation>Showing %1 at %2ms, paused (F10 runs one scan): %3</translation>
    </message>
    <message>
        <source>capital</source>
        <translation>capital</translation>
    </message>
    <message>
        <source>number</source>
        <translation>number</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>roll</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elements</translation>
    </message>
</context>
<context>
    <name>rungpad::CNoteDlg</name>
    <message>
        <source>Modify note</source>
        <translation>Modify note</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
</context>
<context>
    <name>rungpad::CReplaceDlg</name>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>find content:</source>
        <translation>find content:</translation>
    </message>
    <message>
        <source>Replace:</source>
        <translation>Replace:</translation>
    </message>
    <message>
        <source>FIND NEXT(&amp;F)</source>
        <translation>FIND NEXT(&amp;F)</translation>
    </message>
    <message>
        <source>REPLACE(&amp;R)</source>
        <translation>REPLACE(&amp;R)</translation>
    </message>
    <message>
        <source>ALL REPLACE(&amp;A)</source>
        <translation>ALL REPLACE(&amp;A)</translation>
    </message>
    <message>
        <source>CANCEL(&amp;C)</source>
        <translation>CANCEL(&amp;C)</translation>
    </message>
</context>
<context>
    <name>rungpad::CRungpadView</name>
    <message>
        <source>修改注释(&amp;M)</source>
        <translation>Modify Note(&amp;M)</translation>
    </message>
    <message>
        <source>Show Cross Reference</source>
        <translation>Show Cross Reference</translation>
    </message>
    <message>
        <source>基本指令(&amp;B)</source>
        <translation>Basic Instructions(&amp;B)</translation>
    </message>
    <message>
        <source>功能指令(&amp;F)</source>
        <translation>Function Instructions(&amp;F)</translation>
    </message>
</context>
<context>
    <name>rungpad::CSelMulRowDlg</name>
    <message>
        <source>Select multiple lines</source>
        <translation>Select multiple lines</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCLE</source>
        <translation>CANCLE</translation>
    </message>
    <message>
        <source>start line:</source>
        <translation>start line:</translation>
    </message>
    <message>
        <source>end line:</source>
        <translation>end line:</translation>
    </message>
</context>
<context>
    <name>rungpad::CShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>rungpad::CSignalsWindow</name>
    <message>
        <source>Signals</source>
        <translation>Signals</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forced</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Address to watch: a bit (X000.0), a byte (R100) or a word (D010, T001, C002, DT0001, DC0002)</source>
        <translation>Address to watch: a bit (X000.0), a byte (R100) or a word (D010, T001, C002, DT0001, DC0002)</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Timers and counters</source>
        <translation>Timers and counters</translation>
    </message>
</context>
<context>
    <name>rungpad::CSimMonitor</name>
    <message>
        <source>values can be set while the simulation runs</source>
        <translation>values can be set while the simulation runs</translation>
    </message>
    <message>
        <source>recording needs a running simulation</source>
        <translation>recording needs a running simulation</translation>
    </message>
</context>
<context>
    <name>rungpad::CTestResultsWindow</name>
    <message>
        <source>%1 expectations met</source>
        <translation>%1 expectations met</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>Nothing ran: %1</source>
        <translation>Nothing ran: %1</translation>
    </message>
    <message>
        <source>No tests run yet: Simulation &gt; Run Tests...</source>
        <translation>No tests run yet: Simulation &gt; Run Tests...</translation>
    </message>
    <message>
        <source>%1: %2 passed, %3 failed%4</source>
        <translation>%1: %2 passed, %3 failed%4</translation>
    </message>
    <message>
        <source> (double-click a failure to see it)</source>
        <translation> (double-click a failure to see it)</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Test Results</translation>
    </message>
    <message>
        <source>Run Again</source>
        <translation>Run Again</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 on %2</translation>
    </message>
</context>
<context>
    <name>rungpad::CTimingDiagramView</name>
    <message>
        <source> (forced)</source>
        <translation> (forced)</translation>
    </message>
    <message>
        <source>Cursor %1: %2</source>
        <translation>Cursor %1: %2</translation>
    </message>
    <message>
        <source>No signals watched. Add addresses in the Signals window (Simulation &gt; Signals) and start the simulation (F5); File &gt; Open Trace... shows a recorded run.</source>
        <translation>No signals watched. Add addresses in the Signals window (Simulation &gt; Signals) and start the simulation (F5); File &gt; Open Trace... shows a recorded run.</translation>
    </message>
    <message>
        <source>The trace holds no signals.</source>
        <translation>The trace holds no signals.</translation>
    </message>
</context>
<context>
    <name>rungpad::CTimingDiagramWindow</name>
    <message>
        <source>Timing Diagram</source>
        <translation>Timing Diagram</translation>
    </message>
    <message>
        <source>Zoom In (+)</source>
        <translation>Zoom In (+)</translation>
    </message>
    <message>
        <source>Zoom in (+, Ctrl+wheel)</source>
        <translation>Zoom in (+, Ctrl+wheel)</translation>
    </message>
    <message>
        <source>Zoom Out (-)</source>
        <translation>Zoom Out (-)</translation>
    </message>
    <message>
        <source>Zoom out (-, Ctrl+wheel)</source>
        <translation>Zoom out (-, Ctrl+wheel)</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Fit All</translation>
    </message>
    <message>
        <source>The whole run across the window (0)</source>
        <translation>The whole run across the window (0)</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Follow</translation>
    </message>
    <message>
        <source>Keep the end of the run in view; scrolling back pauses it (End resumes)</source>
        <translation>Keep the end of the run in view; scrolling back pauses it (End resumes)</translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation>Export Image...</translation>
    </message>
    <message>
        <source>The diagram as shown, as a PNG or SVG picture</source>
        <translation>The diagram as shown, as a PNG or SVG picture</translation>
    </message>
    <message>
        <source>%1 is not a trace this program writes: %2</source>
        <translation>%1 is not a trace this program writes: %2</translation>
    </message>
    <message>
        <source>%1: choose a name ending in .png or .svg</source>
        <translation>%1: choose a name ending in .png or .svg</translation>
    </message>
    <message>
        <source>The timing diagram shows no signals: nothing to export</source>
        <translation>The timing diagram shows no signals: nothing to export</translation>
    </message>
    <message>
        <source>Trace %1: click to read the values at a time</source>
        <translation>Trace %1: click to read the values at a time</translation>
    </message>
    <message>
        <source>Monitor mode&apos;s watched signals: click to read the values at a time</source>
        <translation>Monitor mode&apos;s watched signals: click to read the values at a time</translation>
    </message>
</context>
<context>
    <name>rungpad::CUserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>User Guide</translation>
    </message>
</context>
<context>
    <name>rungpad::CXrefWindow</name>
    <message>
        <source>Cross Reference</source>
        <translation>Cross Reference</translation>
    </message>
    <message>
        <source>Address prefix</source>
        <translation>Address prefix</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>No findings</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Findings: %1</translation>
    </message>
</context>
<context>
    <name>rungpad::RecoveryKeeper</name>
    <message>
        <source>Recovery copies cannot be written: %1</source>
        <translation>Recovery copies cannot be written: %1</translation>
    </message>
</context>
</TS>

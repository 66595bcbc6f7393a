<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help viewer %1 was not found.</source>
        <translation>Das Hilfeprogramm %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started: %2</source>
        <translation>Das Hilfeprogramm %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The help viewer %1 ended with status %2.</source>
        <translation>Das Hilfeprogramm %1 wurde mit dem Status %2 beendet.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Unexpected failure: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Unexpected failure.</source>
        <translation>Unerwarteter Fehler.</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Die Auswahlliste des Kombinationsfelds öffnen</translation>
    </message>
</context>
<context>
    <name>RollAnnouncement</name>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>, and %1 more.</source>
        <translation> und %1 weitere.</translation>
    </message>
    <message>
        <source>Percentile dice have no total.</source>
        <translation>Prozentwürfel haben keine Summe.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Summe %1.</translation>
    </message>
    <message>
        <source>No dice were rolled.</source>
        <translation>Es wurden keine Würfel geworfen.</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Modified die</source>
        <translation>Geänderter Würfel</translation>
    </message>
    <message>
        <source>Modified dice</source>
        <translation>Geänderte Würfel</translation>
    </message>
    <message>
        <source>modified dice</source>
        <translation>geänderte Würfel</translation>
    </message>
</context>
<context>
    <name>RollInput</name>
    <message>
        <source>Die Roll Error</source>
        <translation>Fehler beim Würfeln</translation>
    </message>
    <message>
        <source>Custom Die Roll Error</source>
        <translation>Fehler beim eigenen Würfel</translation>
    </message>
    <message>
        <source>You must select a Die Type.</source>
        <translation>Sie müssen einen Würfeltyp wählen.</translation>
    </message>
    <message>
        <source>Your Lower Limit must be less than 1000</source>
        <translation>Ihr Minimum muss kleiner als 1000 sein</translation>
    </message>
    <message>
        <source>Your Upper Limit must be 1000 or less!</source>
        <translation>Ihr Maximum darf höchstens 1000 sein!</translation>
    </message>
    <message>
        <source>The Lower Limit for your Custom Die Type must be 0 or greater.</source>
        <translation>Das Minimum Ihres eigenen Würfels muss 0 oder größer sein.</translation>
    </message>
    <message>
        <source>You must select an Upper Limit for your Custom Die Type.</source>
        <translation>Sie müssen ein Maximum für Ihren eigenen Würfel angeben.</translation>
    </message>
    <message>
        <source>Your Lower Limit is higher than your Upper Limit!</source>
        <translation>Ihr Minimum ist höher als Ihr Maximum!</translation>
    </message>
    <message>
        <source>Your Lower Limit is the same as your Upper Limit!</source>
        <translation>Ihr Minimum ist gleich Ihrem Maximum!</translation>
    </message>
    <message>
        <source>Roll Modifier must be between -1000 and 1000.</source>
        <translation>Der Modifikator „Zum Wurf“ muss zwischen -1000 und 1000 liegen.</translation>
    </message>
    <message>
        <source>Die Modifier must be between -100 and 100.</source>
        <translation>Der Modifikator „Je Würfel“ muss zwischen -100 und 100 liegen.</translation>
    </message>
    <message>
        <source>Sorry you only have 1000 dice in your dice bag!</source>
        <translation>Leider haben Sie nur 1000 Würfel in Ihrem Würfelbeutel!</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Rollwright</source>
        <translation>Über Rollwright</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>AppInfo</source>
        <translation>Programminfo</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Rollwright Info</source>
        <translation>Rollwright-Info</translation>
    </message>
    <message>
        <source>%1 contributors</source>
        <translation>Mitwirkende an %1</translation>
    </message>
    <message>
        <source>       Version </source>
        <translation>       Version </translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Webpage:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Programmers:</source>
        <translation>Programmierer:</translation>
    </message>
    <message>
        <source>%1 is free software under the MIT License.</source>
        <translation>%1 ist freie Software (MIT-Lizenz).</translation>
    </message>
    <message>
        <source>It comes without any warranty.</source>
        <translation>Sie kommt ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>Dice images by </source>
        <translation>Würfelbilder: </translation>
    </message>
    <message>
        <source>Contact:</source>
        <translation>Kontakt:</translation>
    </message>
</context>
<context>
    <name>frmDice</name>
    <message>
        <source>Rollwright</source>
        <translation>Rollwright</translation>
    </message>
    <message>
        <source>Die Type</source>
        <translation>Würfeltyp</translation>
    </message>
    <message>
        <source>&amp;2-Sided</source>
        <translation>&amp;2-seitig</translation>
    </message>
    <message>
        <source>&amp;3-Sided</source>
        <translation>&amp;3-seitig</translation>
    </message>
    <message>
        <source>&amp;4-Sided</source>
        <translation>&amp;4-seitig</translation>
    </message>
    <message>
        <source>&amp;5-Sided</source>
        <translation>&amp;5-seitig</translation>
    </message>
    <message>
        <source>&amp;6-Sided</source>
        <translation>&amp;6-seitig</translation>
    </message>
    <message>
        <source>&amp;8-Sided</source>
        <translation>&amp;8-seitig</translation>
    </message>
    <message>
        <source>1&amp;0-Sided</source>
        <translation>1&amp;0-seitig</translation>
    </message>
    <message>
        <source>&amp;12-Sided</source>
        <translation>&amp;12-seitig</translation>
    </message>
    <message>
        <source>20-&amp;Sided</source>
        <translation>20-&amp;seitig</translation>
    </message>
    <message>
        <source>30-Si&amp;ded</source>
        <translation>30-sei&amp;tig</translation>
    </message>
    <message>
        <source>&amp;Percentile</source>
        <translation>&amp;Prozent</translation>
    </message>
    <message>
        <source>Cus&amp;tom</source>
        <translation>Ei&amp;gener</translation>
    </message>
    <message>
        <source>Modifiers</source>
        <translation>Modifikatoren</translation>
    </message>
    <message>
        <source>Roll Modifier</source>
        <translation>Zum Wurf</translation>
    </message>
    <message>
        <source>Die Modifier</source>
        <translation>Je Würfel</translation>
    </message>
    <message>
        <source>+15</source>
        <translation>+15</translation>
    </message>
    <message>
        <source>+14</source>
        <translation>+14</translation>
    </message>
    <message>
        <source>+13</source>
        <translation>+13</translation>
    </message>
    <message>
        <source>+12</source>
        <translation>+12</translation>
    </message>
    <message>
        <source>+11</source>
        <translation>+11</translation>
    </message>
    <message>
        <source>+10</source>
        <translation>+10</translation>
    </message>
    <message>
        <source>+9</source>
        <translation>+9</translation>
    </message>
    <message>
        <source>+8</source>
        <translation>+8</translation>
    </message>
    <message>
        <source>+7</source>
        <translation>+7</translation>
    </message>
    <message>
        <source>+6</source>
        <translation>+6</translation>
    </message>
    <message>
        <source>+5</source>
        <translation>+5</translation>
    </message>
    <message>
        <source>+4</source>
        <translation>+4</translation>
    </message>
    <message>
        <source>+3</source>
        <translation>+3</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>-2</source>
        <translation>-2</translation>
    </message>
    <message>
        <source>-3</source>
        <translation>-3</translation>
    </message>
    <message>
        <source>-4</source>
        <translation>-4</translation>
    </message>
    <message>
        <source>-5</source>
        <translation>-5</translation>
    </message>
    <message>
        <source>-6</source>
        <translation>-6</translation>
    </message>
    <message>
        <source>-7</source>
        <translation>-7</translation>
    </message>
    <message>
        <source>-8</source>
        <translation>-8</translation>
    </message>
    <message>
        <source>-9</source>
        <translation>-9</translation>
    </message>
    <message>
        <source>-10</source>
        <translation>-10</translation>
    </message>
    <message>
        <source>&amp;Number of Dice</source>
        <translation>A&amp;nzahl Würfel</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Number of Dice</source>
        <translation>Anzahl Würfel</translation>
    </message>
    <message>
        <source>Total Result</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Actual Die Rolls</source>
        <translation>Gewürfelte Augen</translation>
    </message>
    <message>
        <source>Modified Die Rolls</source>
        <translation>Geänderte Augen</translation>
    </message>
    <message>
        <source>Custom Die</source>
        <translation>Eigener Würfel</translation>
    </message>
    <message>
        <source>&amp;Lower  Limit</source>
        <translation>&amp;Minimum</translation>
    </message>
    <message>
        <source>Lower Limit</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>&amp;Upper  Limit</source>
        <translation>Ma&amp;ximum</translation>
    </message>
    <message>
        <source>Upper Limit</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <translation>&amp;Würfeln</translation>
    </message>
    <message>
        <source>&amp;Clear Results</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Suche nach Hilfe zu...</translation>
    </message>
    <message>
        <source>&amp;About Rollwright</source>
        <translation>Ü&amp;ber Rollwright</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. The Rollwright Help file is missing.</source>
        <translation>Der Hilfeinhalt kann nicht angezeigt werden. Die Hilfedatei von Rollwright fehlt.</translation>
    </message>
</context>
<context>
    <name>frmReadMe</name>
    <message>
        <source>Rollwright - Read Me First.txt </source>
        <translation>Rollwright - Read Me First.txt </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rollwright Error - &quot;Read Me First.txt&quot; was not found!<byte value="xd"/>
</source>
        <translation>Rollwright-Fehler - &quot;Read Me First.txt&quot; wurde nicht gefunden!<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 needs an X11 or Wayland desktop: no display is set (DISPLAY, WAYLAND_DISPLAY).</source>
        <translation>%1 braucht einen X11- oder Wayland-Desktop: Es ist keine Anzeige gesetzt (DISPLAY, WAYLAND_DISPLAY).</translation>
    </message>
</context>
</TS>

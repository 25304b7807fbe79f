<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DTL_widget</name>
    <message>
        <source>Not set</source>
        <translation>Nicht gesetzt</translation>
    </message>
    <message>
        <source>Daytime only</source>
        <translation>Nur tagsüber</translation>
    </message>
    <message>
        <source>Night-time only</source>
        <translation>Nur nachts</translation>
    </message>
    <message>
        <source>Set manually</source>
        <translation>Manuell setzen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Varidex625</source>
        <translation>Varidex625</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Internal Events</source>
        <translation>Interne Ereignisse</translation>
    </message>
    <message>
        <source>Delayed Events</source>
        <translation>Verzögerte Ereignisse</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>DMX Output</source>
        <translation>DMX-Ausgang</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Sequences</source>
        <translation>Sequenzen</translation>
    </message>
    <message>
        <source>Masks</source>
        <translation>Masken</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Descriptions</source>
        <translation>Beschreibungen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>StL_widget</name>
    <message>
        <source>State %1%2</source>
        <translation>Zust. %1%2</translation>
    </message>
    <message>
        <source>no description...</source>
        <translation>keine Beschreibung...</translation>
    </message>
</context>
<context>
    <name>StateConds</name>
    <message>
        <source>State limits</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle löschen</translation>
    </message>
</context>
<context>
    <name>action_room</name>
    <message>
        <source>Only inputs and remote-control buttons can enable!</source>
        <translation>Nur Eingänge und Fernbedienungstasten können freigeben!</translation>
    </message>
    <message>
        <source>Enabling actions only enable, disable or toggle!</source>
        <translation>Freigabeaktionen können nur freigeben, sperren oder umschalten!</translation>
    </message>
    <message>
        <source>RC %1</source>
        <translation>FB %1</translation>
    </message>
    <message>
        <source>Enabling input already defined: </source>
        <translation>Freigabeeingang bereits definiert: </translation>
    </message>
    <message>
        <source>Enabling action already defined: %1</source>
        <translation>Freigabeaktion bereits definiert: %1</translation>
    </message>
    <message>
        <source> Illegal value!</source>
        <translation> Unzulässiger Wert!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Actions limit exceed!</source>
        <translation>Aktionslimit überschritten!</translation>
    </message>
</context>
<context>
    <name>admx512_sliders_widget</name>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Scene: </source>
        <translation>Szene: </translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>aevents_clock_set_widget</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>aevents_clock_widget</name>
    <message>
        <source>Timer</source>
        <comment>column name</comment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <comment>column name</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source> min.</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>So</translation>
    </message>
    <message>
        <source>%1%2 h %3 min.</source>
        <translation>%1%2 h %3 Min.</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Aufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Untergang</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <comment>timer with number</comment>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Timer
no. %1</source>
        <translation>Timer
Nr. %1</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>Sunrise Event Delay</source>
        <translation>Verzögerung Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset Event Delay</source>
        <translation>Verzögerung Sonnenuntergang</translation>
    </message>
    <message>
        <source>Sunrise and sunset can&apos;t both be delayed by %1 min.: the controller reads that as sunrise / sunset events switched off.
The delay stays as it was.</source>
        <translation>Sonnenauf- und -untergang können nicht beide um %1 min. verzögert werden: Der Controller liest das als ausgeschaltete Sonnenauf- / -untergangsereignisse.
Die Verzögerung bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>aevents_conf_widget</name>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einsetzen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Davor</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>This delay is locked!</source>
        <translation>Diese Verzögerung ist gesperrt!</translation>
    </message>
</context>
<context>
    <name>aevents_dlyd_widget</name>
    <message>
        <source>Delay No.</source>
        <translation>Verzög. Nr.</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Verzög. %1</translation>
    </message>
    <message>
        <source>Delay description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
</context>
<context>
    <name>aevents_dmxout_widget</name>
    <message>
        <source>DMX Channel</source>
        <comment>table column</comment>
        <translation>DMX-Kanal</translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (Off) - </source>
        <translation>DMX-Kan. %1 (Aus) - </translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (On) - </source>
        <translation>DMX-Kan. %1 (Ein) - </translation>
    </message>
    <message>
        <source>no description</source>
        <translation>keine Beschreibung</translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (%2)</source>
        <translation>DMX-Kan. %1 (%2)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
</context>
<context>
    <name>aevents_inputs_widget</name>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>keine Beschreibung</translation>
    </message>
    <message>
        <source>Input %1 (Off) - </source>
        <translation>Eingang %1 (Aus) - </translation>
    </message>
    <message>
        <source>Input %1 (On) - </source>
        <translation>Eingang %1 (Ein) - </translation>
    </message>
    <message>
        <source>Input %1 (Off)</source>
        <translation>Eingang %1 (Aus)</translation>
    </message>
    <message>
        <source>Input %1 (On)</source>
        <translation>Eingang %1 (Ein)</translation>
    </message>
    <message>
        <source>: Off</source>
        <translation>: Aus</translation>
    </message>
    <message>
        <source>: On</source>
        <translation>: Ein</translation>
    </message>
</context>
<context>
    <name>aevents_ired_widget</name>
    <message>
        <source>pressed</source>
        <translation>gedrückt</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>wiederholt</translation>
    </message>
    <message>
        <source>released</source>
        <translation>losgelassen</translation>
    </message>
    <message>
        <source>pres.</source>
        <translation>gedr.</translation>
    </message>
    <message>
        <source>rept.</source>
        <translation>wdh.</translation>
    </message>
    <message>
        <source>rlsd.</source>
        <translation>losg.</translation>
    </message>
    <message>
        <source>R. C. Buttons</source>
        <translation>FB-Tasten</translation>
    </message>
    <message>
        <source>Button No. %1 %2 - </source>
        <translation>Taste Nr. %1 %2 - </translation>
    </message>
    <message>
        <source>no description</source>
        <translation>keine Beschreibung</translation>
    </message>
    <message>
        <source>Btn %1 %2 - </source>
        <translation>Taste %1 %2 - </translation>
    </message>
    <message>
        <source>Button No. %1</source>
        <translation>Taste Nr. %1</translation>
    </message>
</context>
<context>
    <name>aevents_page_base</name>
    <message>
        <source>Event description:</source>
        <translation>Ereignisbeschreibung:</translation>
    </message>
</context>
<context>
    <name>aevents_tableview_delegate</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Einfrieren</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Auftauen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Inc. brightness</source>
        <translation>Heller</translation>
    </message>
    <message>
        <source>Dec. brightness</source>
        <translation>Dunkler</translation>
    </message>
    <message>
        <source>Set brightness</source>
        <translation>Helligkeit setzen</translation>
    </message>
    <message>
        <source>Exclusive on</source>
        <translation>Exklusiv ein</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Increase intensity</source>
        <translation>Aufdimmen</translation>
    </message>
    <message>
        <source>Decrease intensity</source>
        <translation>Abdimmen</translation>
    </message>
    <message>
        <source>Set intensity</source>
        <translation>Intensität setzen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>Akcja</comment>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>Akcja</comment>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Toggle</source>
        <comment>Akcja</comment>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Delay already in use!</source>
        <translation>Verzögerung wird bereits verwendet!</translation>
    </message>
    <message>
        <source>Delay #%1 is blocked by sequence #%2!</source>
        <translation>Verzögerung Nr. %1 ist durch Sequenz Nr. %2 belegt!</translation>
    </message>
    <message>
        <source>Action failed!</source>
        <translation>Aktion fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Some delays are blocked by sequences!</source>
        <translation>Einige Verzögerungen sind durch Sequenzen belegt!</translation>
    </message>
    <message>
        <source>To many delays defined!</source>
        <translation>Zu viele Verzögerungen definiert!</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>aevents_tableview_widget</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Daytime Limits</source>
        <translation>Zeitfenster</translation>
    </message>
    <message>
        <source>State Limits</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Enabling</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Zustand setzen</translation>
    </message>
    <message>
        <source>Save show</source>
        <translation>Show speichern</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sequenz</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>Akcja</comment>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Einfrieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>Akcja</comment>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Auftauen</translation>
    </message>
    <message>
        <source>Exclusive on</source>
        <translation>Exklusiv ein</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Heller</translation>
    </message>
    <message>
        <source>Increase intensity</source>
        <translation>Aufdimmen</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Dunkler</translation>
    </message>
    <message>
        <source>Decrease intensity</source>
        <translation>Abdimmen</translation>
    </message>
    <message>
        <source>Set brightness</source>
        <translation>Helligkeit setzen</translation>
    </message>
    <message>
        <source>Set intensity</source>
        <translation>Intensität setzen</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nicht gesetzt</translation>
    </message>
    <message>
        <source>Night-time only</source>
        <translation>Nur nachts</translation>
    </message>
    <message>
        <source>Daytime only</source>
        <translation>Nur tagsüber</translation>
    </message>
</context>
<context>
    <name>aevents_vkeys_widget</name>
    <message>
        <source>Internal Events</source>
        <translation>Interne Ereignisse</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Internal Event %1 - </source>
        <translation>Internes Ereignis %1 - </translation>
    </message>
    <message>
        <source>no description</source>
        <translation>keine Beschreibung</translation>
    </message>
    <message>
        <source>Int. ev. %1 - </source>
        <translation>Int. Ereignis %1 - </translation>
    </message>
    <message>
        <source>Internal Event %1</source>
        <translation>Internes Ereignis %1</translation>
    </message>
</context>
<context>
    <name>amask_settings_widget</name>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Mask: %1</source>
        <translation>Maske: %1</translation>
    </message>
    <message>
        <source>Mask %1</source>
        <translation>Maske %1</translation>
    </message>
    <message>
        <source>Clear whole mask</source>
        <translation>Maske löschen</translation>
    </message>
    <message>
        <source>Choose different source mask!</source>
        <translation>Andere Quellmaske wählen!</translation>
    </message>
    <message>
        <source>Varidex 620 project/config files (*.kdg;*.cfg);;All files (*)</source>
        <translation>Varidex-620-Projekt/-Konfiguration (*.kdg;*.cfg);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>aprogram_conf_delegate</name>
    <message>
        <source>not set</source>
        <translation>ohne</translation>
    </message>
</context>
<context>
    <name>aprogram_conf_widget</name>
    <message>
        <source>Scene No.</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Fade Up Time</source>
        <translation>Einblendzeit</translation>
    </message>
    <message>
        <source>Duration | inf.</source>
        <translation>Dauer | ∞</translation>
    </message>
    <message>
        <source>Fade Down Time</source>
        <translation>Ausblendzeit</translation>
    </message>
    <message>
        <source>Prog. Time</source>
        <translation>Programmzeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>ohne</translation>
    </message>
    <message>
        <source>  infinite</source>
        <translation>  endlos</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>unbestimmt</translation>
    </message>
    <message>
        <source>Rule broken!</source>
        <translation>Regel verletzt!</translation>
    </message>
    <message>
        <source>Both times cannot equal 0!
Duration will be fixed.</source>
        <translation>Beide Zeiten dürfen nicht 0 sein!
Die Dauer wird korrigiert.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Alle Schritte korrigieren</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation>Ja!</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>This action will remove last step from program.
	Really want to do so?</source>
        <translation>Dadurch wird der letzte Schritt des Programms entfernt.
	Wirklich fortfahren?</translation>
    </message>
    <message>
        <source>About to remove a step from program.
	Really want to do so?</source>
        <translation>Ein Schritt wird aus dem Programm entfernt.
	Wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Copying failed!</source>
        <translation>Kopieren fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Invalid selection!</source>
        <translation>Ungültige Auswahl!</translation>
    </message>
    <message>
        <source>Paste failed!</source>
        <translation>Einfügen fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Algorithm error?</source>
        <translation>Algorithmusfehler?</translation>
    </message>
    <message>
        <source>Program steps limit exceed!</source>
        <translation>Limit der Programmschritte überschritten!</translation>
    </message>
</context>
<context>
    <name>aprogram_entry_delegate</name>
    <message>
        <source>Program %1</source>
        <translation>Programm %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
</context>
<context>
    <name>aprogram_settings_copying</name>
    <message>
        <source>Unused scenes pool starts from</source>
        <translation>Freie Szenen ab</translation>
    </message>
    <message>
        <source>Reverse steps&apos; order</source>
        <translation>Schritte umkehren</translation>
    </message>
    <message>
        <source>Current Configuration</source>
        <translation>Aktuelle Konfiguration</translation>
    </message>
    <message>
        <source>Copy from range:</source>
        <translation>Kopieren von:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Do not copy scenes</source>
        <translation>Szenen nicht kopieren</translation>
    </message>
    <message>
        <source>Another Configuration</source>
        <translation>Andere Konfiguration</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Choose a project description file for Kd620 controller</source>
        <translation>Projektdatei für den Controller Kd620 wählen</translation>
    </message>
    <message>
        <source>Varidex 625 project/config files (*.kdg;*.cfg;*.cfg625);;All files (*)</source>
        <translation>Varidex-625-Projekt/-Konfiguration (*.kdg;*.cfg;*.cfg625);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Useless action!</source>
        <translation>Sinnlose Aktion!</translation>
    </message>
    <message>
        <source>Choose another source!</source>
        <translation>Andere Quelle wählen!</translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation>Aktion nicht ausführbar!</translation>
    </message>
    <message>
        <source>Program number limit exceeded!</source>
        <translation>Programmanzahl überschritten!</translation>
    </message>
    <message>
        <source>You are warned!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Ranges are overlapping!
Do you really want to copy?</source>
        <translation>Bereiche überlappen sich!
Wirklich kopieren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Ja, wirklich!</translation>
    </message>
</context>
<context>
    <name>aprogram_settings_widget</name>
    <message>
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Edit current scene</source>
        <translation>Szene bearbeiten</translation>
    </message>
    <message>
        <source>Test entries</source>
        <translation>Testeinstiege</translation>
    </message>
    <message>
        <source>Single Steps</source>
        <translation>Einzelschritte</translation>
    </message>
    <message>
        <source>Groupped Steps</source>
        <translation>Schrittgruppen</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Program description:</source>
        <translation>Programmbeschreibung:</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Scenes&apos; Sequence</source>
        <translation>Szenenfolge</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einsetzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Number of scenes in program:</source>
        <translation>Anzahl Szenen im Programm:</translation>
    </message>
    <message>
        <source>Recurrences number:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>endlos</translation>
    </message>
    <message>
        <source>Current scene description:</source>
        <translation>Szenenbeschreibung:</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>keine Beschreibung</translation>
    </message>
    <message>
        <source>Chained event:</source>
        <translation>Folgeereignis:</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Sequence start</source>
        <translation>Sequenzstart</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Internal Event</source>
        <translation>Int. Ereignis</translation>
    </message>
    <message>
        <source>Fade down time after break:</source>
        <translation>Ausblendzeit nach Abbruch:</translation>
    </message>
    <message>
        <source>Do not use</source>
        <translation>Nicht nutzen</translation>
    </message>
    <message>
        <source>Delay already in use!</source>
        <translation>Verzögerung wird bereits verwendet!</translation>
    </message>
    <message>
        <source>Delay #%1 is blocked by sequence!
Corrected!</source>
        <translation>Verzögerung Nr. %1 ist durch eine Sequenz belegt!
Korrigiert!</translation>
    </message>
    <message>
        <source>Extra entries into existing programs:</source>
        <translation>Zusätzliche Einstiege in Programme:</translation>
    </message>
    <message>
        <source>Start Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>From step</source>
        <translation>Ab Schritt</translation>
    </message>
    <message>
        <source>As program</source>
        <translation>Als Programm</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation>Aktion nicht ausführbar!</translation>
    </message>
    <message>
        <source>Program number limit exceeded!</source>
        <translation>Programmanzahl überschritten!</translation>
    </message>
    <message>
        <source>Program exists!</source>
        <translation>Programm existiert!</translation>
    </message>
    <message>
        <source>Do you want to overwrite program No. %1?</source>
        <translation>Programm Nr. %1 überschreiben?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Ja, wirklich!</translation>
    </message>
    <message>
        <source>Not defined</source>
        <translation>Nicht definiert</translation>
    </message>
    <message>
        <source>Program too short</source>
        <translation>Programm zu kurz</translation>
    </message>
    <message>
        <source>Invalid step</source>
        <translation>Ungültiger Schritt</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Abwählen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Choose all or...</source>
        <translation>Alle wählen oder...</translation>
    </message>
    <message>
        <source>Choose every</source>
        <translation>Jeden</translation>
    </message>
    <message>
        <source>In range</source>
        <translation>Im Bereich</translation>
    </message>
    <message>
        <source>from </source>
        <translation>von </translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Execute!</source>
        <translation>Ausführen!</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Scene No.:</source>
        <translation>Szene Nr.:</translation>
    </message>
    <message>
        <source>Fade Up Time:</source>
        <translation>Einblendzeit:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Endlos</translation>
    </message>
</context>
<context>
    <name>ascene_groups_widget</name>
    <message>
        <source>Select group:</source>
        <translation>Gruppe wählen:</translation>
    </message>
    <message>
        <source>Group %1 members:</source>
        <translation>In Gruppe %1:</translation>
    </message>
    <message>
        <source>Group No.</source>
        <translation>Gruppe Nr.</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Add selected scene</source>
        <translation>Gewählte Szene hinzufügen</translation>
    </message>
    <message>
        <source>Remove selected member</source>
        <translation>Gewählte Szene entfernen</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Szene %1</translation>
    </message>
    <message>
        <source>Nothing to do!</source>
        <translation>Nichts zu tun!</translation>
    </message>
    <message>
        <source>Scene %1 already coupled with group %2!</source>
        <translation>Szene %1 gehört bereits zur Gruppe %2!</translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation>Aktion nicht ausführbar!</translation>
    </message>
    <message>
        <source>To many coupled scenes!</source>
        <translation>Zu viele gekoppelte Szenen!</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Scene %1 is coupled with group %2!</source>
        <translation>Szene %1 gehört zur Gruppe %2!</translation>
    </message>
    <message>
        <source>
Do you really move it to group %1?</source>
        <translation>
Wirklich in Gruppe %1 verschieben?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Ja, wirklich!</translation>
    </message>
</context>
<context>
    <name>ascene_settings_widget</name>
    <message>
        <source>Coupled Scenes</source>
        <translation>Gekoppelte Szenen</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Clear channels</source>
        <translation>Kanäle löschen</translation>
    </message>
    <message>
        <source>Scene: %1</source>
        <translation>Szene: %1</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Szene %1</translation>
    </message>
    <message>
        <source>Choose different source scene!</source>
        <translation>Andere Quellszene wählen!</translation>
    </message>
    <message>
        <source>Varidex 620 project/config files (*.kdg;*.cfg;*.cfg620);;All files (*)</source>
        <translation>Varidex-620-Projekt/-Konfiguration (*.kdg;*.cfg;*.cfg620);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>aseq_conf_widget</name>
    <message>
        <source>Step No.</source>
        <translation>Schritt Nr.</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Global Time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) </source>
        <translation>
            <numerusform>%n Tag </numerusform>
            <numerusform>%n Tage </numerusform>
        </translation>
    </message>
    <message>
        <source>finish</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Action failed!</source>
        <translation>Aktion fehlgeschlagen!</translation>
    </message>
    <message>
        <source>To many delays defined!</source>
        <translation>Zu viele Verzögerungen definiert!</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message numerus="yes">
        <source>Not enough free delays without a time or end actions of their own are left.
%n delay(s) from Delay %1 on would become steps of this sequence, losing their times and end actions.
Really want to do so?</source>
        <translation>
            <numerusform>Es sind nicht genug freie Verzögerungen ohne eigene Zeit und ohne eigene Endaktionen übrig.
%n Verzögerung ab Verzögerung %1 würde ein Schritt dieser Sequenz und verlöre ihre Zeit und ihre Endaktionen.
Wirklich fortfahren?</numerusform>
            <numerusform>Es sind nicht genug freie Verzögerungen ohne eigene Zeit und ohne eigene Endaktionen übrig.
%n Verzögerungen ab Verzögerung %1 würden Schritte dieser Sequenz und verlören ihre Zeiten und ihre Endaktionen.
Wirklich fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation>Ja!</translation>
    </message>
</context>
<context>
    <name>aseq_settings_widget</name>
    <message>
        <source>Insert</source>
        <translation>Einsetzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Finish
prev. step</source>
        <translation>Schritt zuvor
beenden</translation>
    </message>
    <message>
        <source>Seq. description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Sequences</source>
        <translation>Sequenzen</translation>
    </message>
    <message>
        <source>Sequence No. %1</source>
        <translation>Sequenz Nr. %1</translation>
    </message>
    <message>
        <source>Number of steps in sequence:</source>
        <translation>Anzahl Schritte in der Sequenz:</translation>
    </message>
</context>
<context>
    <name>asettings_clock_widget</name>
    <message>
        <source>DST</source>
        <translation>SZ</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Use system date and time</source>
        <translation>Systemdatum und -zeit</translation>
    </message>
    <message>
        <source>Enable Daylight Saving Time</source>
        <translation>Sommerzeit aktivieren</translation>
    </message>
    <message>
        <source>Adjustment:</source>
        <translation>Korrektur:</translation>
    </message>
    <message>
        <source>Date and time setting
error!</source>
        <translation>Fehler beim Setzen
von Datum und Zeit!</translation>
    </message>
    <message>
        <source>Date and time setting
successful!</source>
        <translation>Datum und Zeit
gesetzt!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>USB-Schnittstelle</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Nicht verbunden!</translation>
    </message>
    <message>
        <source>Overdue firmware version!</source>
        <translation>Veraltete Firmware!</translation>
    </message>
    <message>
        <source>Required core &quot;G&quot; or newer!</source>
        <translation>Kern &quot;G&quot; oder neuer erforderlich!</translation>
    </message>
</context>
<context>
    <name>asettings_descs_widget</name>
    <message>
        <source>States</source>
        <translation>Zustände</translation>
    </message>
    <message>
        <source>State </source>
        <translation>Zustand </translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Eingang %1</translation>
    </message>
    <message>
        <source>RCU inputs</source>
        <translation>Fernbedienungseingänge</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Szene %1</translation>
    </message>
    <message>
        <source>Masks</source>
        <translation>Masken</translation>
    </message>
    <message>
        <source>Mask %1</source>
        <translation>Maske %1</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation>Programm %1</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Delays ( Events: delay end )</source>
        <translation>Verzögerungen ( Ereignis: Ende )</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Verzögerung %1</translation>
    </message>
    <message>
        <source>Sequences ( Events: sequence start )</source>
        <translation>Sequenzen ( Ereignisse: Sequenzstart )</translation>
    </message>
    <message>
        <source>Sequence %1</source>
        <translation>Sequenz %1</translation>
    </message>
    <message>
        <source>Events: DMX output</source>
        <translation>Ereignisse: DMX-Ausgang</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
    <message>
        <source>Events: internal</source>
        <translation>Ereignisse: intern</translation>
    </message>
    <message>
        <source>Internal event %1</source>
        <translation>Internes Ereignis %1</translation>
    </message>
    <message>
        <source>Events: input state changed</source>
        <translation>Ereignisse: Eingangszustand geändert</translation>
    </message>
    <message>
        <source>Input %1: %2</source>
        <translation>Eingang %1: %2</translation>
    </message>
    <message>
        <source>Events: RCU keys events</source>
        <translation>Ereignisse: Tasten der Fernbedienung</translation>
    </message>
    <message>
        <source>Btn %1: %2</source>
        <translation>Taste %1: %2</translation>
    </message>
    <message>
        <source>Choose description category: </source>
        <translation>Beschreibungskategorie wählen: </translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>gedrückt</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>wiederholt</translation>
    </message>
    <message>
        <source>released</source>
        <translation>losgelassen</translation>
    </message>
</context>
<context>
    <name>asettings_dmx_widget</name>
    <message>
        <source>DMX Ch. %1</source>
        <translation>DMX-Kan. %1</translation>
    </message>
    <message>
        <source>DMX Channel: %1</source>
        <translation>DMX-Kanal: %1</translation>
    </message>
    <message>
        <source>DMX Channel</source>
        <comment>column title</comment>
        <translation>DMX-Kanal</translation>
    </message>
    <message>
        <source>Channel Settings</source>
        <comment>column title</comment>
        <translation>Kanaleinstellungen</translation>
    </message>
    <message>
        <source>DMX Channel: 1</source>
        <translation>DMX-Kanal: 1</translation>
    </message>
</context>
<context>
    <name>asettings_inputs_widget</name>
    <message>
        <source>Normal Open</source>
        <translation>Schließer</translation>
    </message>
    <message>
        <source>Normal Close</source>
        <translation>Öffner</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Unbenutzt</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Eingang %1</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>column name</comment>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Input Type</source>
        <comment>column name</comment>
        <translation>Eingangstyp</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>column name</comment>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>asettings_ired_tab</name>
    <message>
        <source>Btn %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Errors occured!</source>
        <translation>Es sind Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Errors parsing file
&quot;%1&quot; occured!
Refer to &quot;xml_report.log&quot;.</source>
        <translation>Beim Einlesen der Datei
„%1“ sind Fehler aufgetreten!
Einzelheiten in „xml_report.log“.</translation>
    </message>
    <message>
        <source>Undetermined RCU address value!</source>
        <translation>Unbestimmte Adresse der Fernbedienung!</translation>
    </message>
    <message>
        <source>Invalid system address value!</source>
        <translation>Ungültige Systemadresse!</translation>
    </message>
    <message>
        <source>Undetermined key codes table!</source>
        <translation>Unbestimmte Tastencode-Tabelle!</translation>
    </message>
    <message>
        <source>Invalid key number!</source>
        <translation>Ungültige Tastennummer!</translation>
    </message>
    <message>
        <source>Invalid key code!</source>
        <translation>Ungültiger Tastencode!</translation>
    </message>
    <message>
        <source>Data error!</source>
        <translation>Datenfehler!</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Ignore all</source>
        <translation>Alle ignorieren</translation>
    </message>
    <message>
        <source>Button</source>
        <comment>column name</comment>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>column name</comment>
        <translation>Code</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>column name</comment>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Button description</source>
        <translation>Tastenbeschreibung</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Aus Datei lesen</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Clear settings</source>
        <translation>Einstellungen löschen</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Vom Controller lesen</translation>
    </message>
    <message>
        <source>Send to controller</source>
        <translation>An Controller senden</translation>
    </message>
    <message>
        <source>Current system address:</source>
        <translation>Aktuelle Systemadresse:</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>unbestimmt</translation>
    </message>
    <message>
        <source>System Address</source>
        <translation>Systemadresse</translation>
    </message>
    <message>
        <source>Do not use RCU</source>
        <translation>Keine Fernbedienung</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Erzwungen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Get from RCU</source>
        <translation>Von Fernbedienung</translation>
    </message>
    <message>
        <source>Selected Button</source>
        <translation>Gewählte Taste</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nicht benutzt</translation>
    </message>
    <message>
        <source>Forced code</source>
        <translation>Fester Code</translation>
    </message>
    <message>
        <source>Get code from RCU</source>
        <translation>Code von Fernbedienung</translation>
    </message>
    <message>
        <source>Varidex RCU Settings (*.rcu)</source>
        <translation>Varidex Fernbedienungseinstellungen (*.rcu)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose a RCU settings file for KD625 controller</source>
        <translation>Fernbedienungsdatei für den Controller KD625 wählen</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot; to write!</source>
        <translation>Die Datei „%1“ kann nicht zum Schreiben geöffnet werden!</translation>
    </message>
    <message>
        <source>Choose a RCU settings file for KD620 controller</source>
        <translation>Fernbedienungsdatei für den Controller KD620 wählen</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;!</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden!</translation>
    </message>
</context>
<context>
    <name>btn_lbl</name>
    <message>
        <source>Descr.</source>
        <translation>Beschr.</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Clear configuration</source>
        <translation>Konfiguration löschen</translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation>Ja!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Chained Events</source>
        <translation>Folgeereignisse</translation>
    </message>
    <message>
        <source>Descriptions</source>
        <translation>Beschreibungen</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>Clear settings:</source>
        <translation>Einstellungen löschen:</translation>
    </message>
    <message>
        <source>Internal Events</source>
        <translation>Interne Ereignisse</translation>
    </message>
    <message>
        <source>DMX Outputs</source>
        <translation>DMX-Ausgänge</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>State &amp;&amp; Daytime Limits</source>
        <translation>Bedingung &amp;&amp; Zeitfenster</translation>
    </message>
    <message>
        <source>Delays &amp;&amp; Sequences</source>
        <translation>Verzögerungen &amp;&amp; Sequenzen</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Masks</source>
        <translation>Masken</translation>
    </message>
    <message>
        <source>Sun Related Events</source>
        <translation>Sonnenstand-Ereignisse</translation>
    </message>
</context>
<context>
    <name>ctrl_monitor</name>
    <message>
        <source>Controller error</source>
        <translation>Controller-Fehler</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Nicht verbunden!</translation>
    </message>
    <message>
        <source>Internal states</source>
        <translation>Interne Zustände</translation>
    </message>
    <message>
        <source>Show inputs&apos; states</source>
        <translation>Eingangszustände zeigen</translation>
    </message>
    <message>
        <source>Show output DMX values</source>
        <translation>DMX-Ausgang zeigen</translation>
    </message>
    <message>
        <source>Show internal states</source>
        <translation>Interne Zustände zeigen</translation>
    </message>
    <message>
        <source>Controller Monitoring</source>
        <translation>Controller-Überwachung</translation>
    </message>
    <message>
        <source>Refresh rate (ms)</source>
        <translation>Intervall (ms)</translation>
    </message>
    <message>
        <source>Improper version</source>
        <translation>Ungeeignete Version</translation>
    </message>
    <message>
        <source>This feature requests firmware version 3.00.0004 or higher!</source>
        <translation>Diese Funktion erfordert die Firmware-Version 3.00.0004 oder höher!</translation>
    </message>
    <message>
        <source>Inputs&apos; states</source>
        <translation>Eingangszustände</translation>
    </message>
    <message>
        <source>Output DMX values</source>
        <translation>DMX-Ausgangswerte</translation>
    </message>
    <message>
        <source>Active states</source>
        <translation>Aktive Zustände</translation>
    </message>
    <message>
        <source>Active scenes</source>
        <translation>Aktive Szenen</translation>
    </message>
    <message>
        <source>Active programs</source>
        <translation>Aktive Programme</translation>
    </message>
    <message>
        <source>Active masks</source>
        <translation>Aktive Masken</translation>
    </message>
    <message>
        <source>Active delays</source>
        <translation>Aktive Verzög.</translation>
    </message>
    <message>
        <source>no description...</source>
        <translation>keine Beschreibung...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>delayTimeEdit</name>
    <message>
        <source>Defined</source>
        <translation>Definiert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dmxOutputSet</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Triggered</source>
        <translation>Ausgelöst</translation>
    </message>
    <message>
        <source>Hysteresis level UP:</source>
        <translation>Hysterese auf:</translation>
    </message>
    <message>
        <source>Hysteresis level DOWN:</source>
        <translation>Hysterese ab:</translation>
    </message>
    <message>
        <source>DMX Channel Values</source>
        <translation>Werte des DMX-Kanals</translation>
    </message>
    <message>
        <source>Minimal value:</source>
        <translation>Minimalwert:</translation>
    </message>
    <message>
        <source>Maximal value:</source>
        <translation>Maximalwert:</translation>
    </message>
    <message>
        <source>Events Generation</source>
        <translation>Ereigniserzeugung</translation>
    </message>
    <message>
        <source>From channel</source>
        <translation>Ab Kanal</translation>
    </message>
    <message>
        <source>To channel</source>
        <translation>Bis Kanal</translation>
    </message>
    <message>
        <source>Number Of Channels</source>
        <translation>Anzahl der Kanäle</translation>
    </message>
    <message>
        <source>Output Channels Limit </source>
        <translation>Kanalanzahl </translation>
    </message>
    <message>
        <source>Characteristic</source>
        <translation>Kennlinie</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Non-linear</source>
        <translation>Nichtlinear</translation>
    </message>
    <message>
        <source>Mark Between Frame Time</source>
        <translation>Pause zwischen Frames</translation>
    </message>
    <message>
        <source>no delay</source>
        <translation>keine Pause</translation>
    </message>
    <message>
        <source> µs</source>
        <translation> µs</translation>
    </message>
    <message>
        <source>Set MBFT to</source>
        <translation>MBFT setzen auf</translation>
    </message>
</context>
<context>
    <name>dmx_sheet_group</name>
    <message>
        <source>Import / Export Masks</source>
        <translation>Masken importieren / exportieren</translation>
    </message>
    <message>
        <source>Import / Export Scenes</source>
        <translation>Szenen importieren / exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Copy from range:</source>
        <translation>Kopieren von:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Relocate masks:</source>
        <translation>Masken nach:</translation>
    </message>
    <message>
        <source>Relocate scenes:</source>
        <translation>Szenen nach:</translation>
    </message>
    <message>
        <source>Export masks:</source>
        <translation>Masken exportieren:</translation>
    </message>
    <message>
        <source>Export scenes:</source>
        <translation>Szenen exportieren:</translation>
    </message>
    <message>
        <source>Import masks:</source>
        <translation>Masken importieren:</translation>
    </message>
    <message>
        <source>Import scenes:</source>
        <translation>Szenen importieren:</translation>
    </message>
    <message>
        <source>QVR DMX Sheets (*.dmx;*.csv)</source>
        <translation>QVR DMX-Tabellen (*.dmx;*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose masks&apos; value sheet</source>
        <translation>Wertetabelle der Masken wählen</translation>
    </message>
    <message>
        <source>Choose DMX value sheet</source>
        <translation>DMX-Wertetabelle wählen</translation>
    </message>
    <message>
        <source>Choose file to save masks</source>
        <translation>Datei zum Speichern der Masken wählen</translation>
    </message>
    <message>
        <source>Choose file to save scenes</source>
        <translation>Datei zum Speichern der Szenen wählen</translation>
    </message>
    <message>
        <source>Invalid range!</source>
        <translation>Ungültiger Bereich!</translation>
    </message>
    <message>
        <source>Cannot open file %1 to write!</source>
        <translation>Die Datei %1 kann nicht zum Schreiben geöffnet werden!</translation>
    </message>
    <message>
        <source>Cannot open writing stream!</source>
        <translation>Schreibstrom kann nicht geöffnet werden!</translation>
    </message>
    <message numerus="yes">
        <source>%n mask(s) exported!</source>
        <translation>
            <numerusform>%n Maske exportiert!</numerusform>
            <numerusform>%n Masken exportiert!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scene(s) exported!</source>
        <translation>
            <numerusform>%n Szene exportiert!</numerusform>
            <numerusform>%n Szenen exportiert!</numerusform>
        </translation>
    </message>
    <message>
        <source>Required number of masks exceeds Excel limits!
Continue anyway?</source>
        <translation>Maskenanzahl überschreitet Excel-Grenzen!
Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Required number of scenes exceeds Excel limits!
Continue anyway?</source>
        <translation>Szenenanzahl überschreitet Excel-Grenzen!
Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation>Ja!</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot open file %1!</source>
        <translation>Die Datei %1 kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Invalid DMX sheet!</source>
        <translation>Ungültige DMX-Tabelle!</translation>
    </message>
    <message>
        <source>Not enough memory!</source>
        <translation>Nicht genügend Speicher!</translation>
    </message>
    <message>
        <source>No valid masks found!</source>
        <translation>Keine gültigen Masken gefunden!</translation>
    </message>
    <message>
        <source>No valid scenes found!</source>
        <translation>Keine gültigen Szenen gefunden!</translation>
    </message>
    <message numerus="yes">
        <source>%n mask(s) imported!</source>
        <translation>
            <numerusform>%n Maske importiert!</numerusform>
            <numerusform>%n Masken importiert!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scene(s) imported!</source>
        <translation>
            <numerusform>%n Szene importiert!</numerusform>
            <numerusform>%n Szenen importiert!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the sheet were too long to read: their values were not imported.</source>
        <translation>
            <numerusform>%n Zeile der Tabelle war zu lang zum Lesen: Ihre Werte wurden nicht importiert.</numerusform>
            <numerusform>%n Zeilen der Tabelle waren zu lang zum Lesen: Ihre Werte wurden nicht importiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dmx_value_class</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>no description...</source>
        <translation>keine Beschreibung...</translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>Datei &amp;speichern</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Konfiguration &amp;löschen</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Aktuelle Konfiguration löschen</translation>
    </message>
    <message>
        <source>View &amp;Inputs</source>
        <translation>&amp;Eingänge zeigen</translation>
    </message>
    <message>
        <source>Show inputs&apos; state in another window</source>
        <translation>Eingangszustände in einem eigenen Fenster zeigen</translation>
    </message>
    <message>
        <source>View &amp;States</source>
        <translation>&amp;Zustände zeigen</translation>
    </message>
    <message>
        <source>Show internal states in another window</source>
        <translation>Interne Zustände in einem eigenen Fenster zeigen</translation>
    </message>
    <message>
        <source>View &amp;DMX output</source>
        <translation>&amp;DMX-Ausgang zeigen</translation>
    </message>
    <message>
        <source>Show DMX output channels in another window</source>
        <translation>DMX-Ausgangskanäle in einem eigenen Fenster zeigen</translation>
    </message>
    <message>
        <source>Close aux. &amp;windows</source>
        <translation>Hilfs&amp;fenster schließen</translation>
    </message>
    <message>
        <source>Close all auxiliary windows</source>
        <translation>Alle Hilfsfenster schließen</translation>
    </message>
    <message>
        <source>C&amp;heck upgrades</source>
        <translation>Nach Updates &amp;suchen</translation>
    </message>
    <message>
        <source>Search for updates at QVR website</source>
        <translation>Auf der QVR-Website nach Updates suchen</translation>
    </message>
    <message>
        <source>&amp;Upgrade KD625</source>
        <translation>KD625 &amp;aktualisieren</translation>
    </message>
    <message>
        <source>Send upgrade to KD625 controller</source>
        <translation>Update an den Controller KD625 senden</translation>
    </message>
    <message>
        <source>&amp;Verify firmware</source>
        <translation>Firmware &amp;prüfen</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Firmware prüfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>Wie Sie Hilfe erhalten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Information about application</source>
        <translation>Informationen über das Programm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Operations on files and exit</source>
        <translation>Dateioperationen und Beenden</translation>
    </message>
    <message>
        <source>&amp;Views</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Auxiliary windows control</source>
        <translation>Hilfsfenster</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>&amp;Aktualisierung</translation>
    </message>
    <message>
        <source>Firmware version management</source>
        <translation>Verwaltung der Firmware-Version</translation>
    </message>
    <message>
        <source>Short informations about application</source>
        <translation>Kurzinformationen zum Programm</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Sprache des Programms ändern</translation>
    </message>
    <message>
        <source>Change language to: </source>
        <translation>Sprache wechseln zu: </translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>Die neue Sprache kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Seq. start</source>
        <translation>Sequenzstart</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Internal Event</source>
        <translation>Int. Ereignis</translation>
    </message>
    <message>
        <source>DMX Out</source>
        <translation>DMX-Ausg.</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>R. C. Key</source>
        <translation>FB-Taste</translation>
    </message>
    <message>
        <source>CSV sheets (*.csv)</source>
        <translation>CSV-Tabellen (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Enable / Disable Delay Times</source>
        <translation>Verzögerungszeiten ein / aus</translation>
    </message>
    <message>
        <source>Events Generator</source>
        <translation>Ereignisgenerator</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Enable Sunrise / Sunset Events</source>
        <translation>Sonnenauf- / -untergangsereignisse ein</translation>
    </message>
    <message>
        <source>Start-up Time</source>
        <translation>Einschaltzeit</translation>
    </message>
    <message>
        <source>Shut-down Time</source>
        <translation>Ausschaltzeit</translation>
    </message>
    <message>
        <source>Location latitude:</source>
        <translation>Breitengrad:</translation>
    </message>
    <message>
        <source>Location longitude:</source>
        <translation>Längengrad:</translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>GMT +</source>
        <translation>GMT +</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Aus Datei lesen</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Choose event:</source>
        <translation>Ereignis wählen:</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Enable extra entries
into existing programs</source>
        <translation>Zusätzliche Einstiege in
Programme zulassen</translation>
    </message>
    <message>
        <source>GMT </source>
        <translation>GMT </translation>
    </message>
    <message>
        <source>Choose a file containing sunrise and sunset times</source>
        <translation>Datei mit den Zeiten von Sonnenauf- und -untergang wählen</translation>
    </message>
    <message>
        <source>Cannot open file %1!</source>
        <translation>Die Datei %1 kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Cannot read times!</source>
        <translation>Die Zeiten können nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Choose a file to save sunrise and sunset times</source>
        <translation>Datei zum Speichern der Zeiten von Sonnenauf- und -untergang wählen</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot; to write!</source>
        <translation>Die Datei „%1“ kann nicht zum Schreiben geöffnet werden!</translation>
    </message>
    <message>
        <source>Cannot save times!</source>
        <translation>Die Zeiten können nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <comment>QMessageBox</comment>
        <translation>Nicht verbunden!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>USB-Schnittstelle</translation>
    </message>
    <message>
        <source>Control error!</source>
        <translation>Steuerungsfehler!</translation>
    </message>
    <message>
        <source>Please call or send an email.</source>
        <translation>Bitte rufen Sie an oder schreiben Sie eine E-Mail.</translation>
    </message>
    <message>
        <source>QVR Varidex625 - Help</source>
        <translation>QVR Varidex625 - Hilfe</translation>
    </message>
    <message>
        <source>Software for KD625 controller configuration.
Release:   </source>
        <translation>Software zur Konfiguration des Controllers KD625.
Version:   </translation>
    </message>
    <message>
        <source>Limited company
1 Lantern Street
62-500 Lumenfield
Lumenland

tel. %1
fax. %2
Tax no. 625-000-128

email: %3</source>
        <translation>GmbH
1 Lantern Street
62-500 Lumenfield
Lumenland

Tel. %1
Fax %2
Steuernummer 625-000-128

E-Mail: %3</translation>
    </message>
    <message>
        <source>QVR Varidex625 - About</source>
        <translation>QVR Varidex625 - Über</translation>
    </message>
    <message>
        <source>About Qt libraries: </source>
        <translation>Über die Qt-Bibliotheken: </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Choose an upgrade file for QVR KD625 controller</source>
        <translation>Update-Datei für den Controller QVR KD625 wählen</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Update (*.upg)</translation>
    </message>
</context>
<context>
    <name>inKey_class</name>
    <message>
        <source>%1: Off</source>
        <translation>%1: Aus</translation>
    </message>
    <message>
        <source>Undef.</source>
        <translation>Undef.</translation>
    </message>
    <message>
        <source>%1: On</source>
        <translation>%1: Ein</translation>
    </message>
    <message>
        <source>no description...</source>
        <translation>keine Beschreibung...</translation>
    </message>
</context>
<context>
    <name>kd620_controller_class</name>
    <message>
        <source>Not enough memory! Quitting!</source>
        <translation>Nicht genügend Speicher! Das Programm wird beendet!</translation>
    </message>
    <message>
        <source>Configuration error:</source>
        <translation>Konfigurationsfehler:</translation>
    </message>
    <message>
        <source>Coupling tables are not coherent!<byte value="xd"/>
The first one was taken.</source>
        <translation>Die Kopplungstabellen sind nicht stimmig!<byte value="xd"/>
Die erste wurde übernommen.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Actions limit exceed!</source>
        <translation>Aktionslimit überschritten!</translation>
    </message>
    <message>
        <source>Incomplete file!</source>
        <translation>Unvollständige Datei!</translation>
    </message>
    <message>
        <source>Not all days of year are properly described!
	Continue anyway?</source>
        <translation>Nicht alle Tage des Jahres sind korrekt beschrieben!
	Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Skip this</source>
        <translation>Diesen überspringen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>Wollen Sie wirklich eine ältere Firmware-Version installieren?</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Ja, wirklich!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>USB-Schnittstelle</translation>
    </message>
    <message>
        <source>Current version reading error!</source>
        <translation>Fehler beim Lesen der aktuellen Version!</translation>
    </message>
    <message>
        <source>This relaese of firmware is already installed!</source>
        <translation>Diese Firmware-Version ist bereits installiert!</translation>
    </message>
    <message>
        <source>Writing error!</source>
        <translation>Schreibfehler!</translation>
    </message>
    <message>
        <source>Protocol error!</source>
        <translation>Protokollfehler!</translation>
    </message>
    <message>
        <source>The upgrade file is empty!</source>
        <translation>Die Update-Datei ist leer!</translation>
    </message>
    <message>
        <source>Upgrade successful!</source>
        <translation>Aktualisierung erfolgreich!</translation>
    </message>
    <message>
        <source>Upgrade failed!</source>
        <translation>Aktualisierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Control error!</source>
        <translation>Steuerungsfehler!</translation>
    </message>
    <message>
        <source>Verification error: block %1
address 0x%2</source>
        <translation>Prüffehler: Block %1
Adresse 0x%2</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Reading error!</source>
        <translation>Lesefehler!</translation>
    </message>
    <message>
        <source>Incorrect structure of block %1</source>
        <translation>Fehlerhafte Struktur von Block %1</translation>
    </message>
    <message>
        <source>Firmware verification</source>
        <translation>Firmware-Prüfung</translation>
    </message>
    <message>
        <source>Verification successful!</source>
        <translation>Prüfung erfolgreich!</translation>
    </message>
    <message>
        <source>Verification failed!</source>
        <translation>Prüfung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Nicht verbunden!</translation>
    </message>
    <message>
        <source>File not found: </source>
        <translation>Datei nicht gefunden: </translation>
    </message>
    <message>
        <source>Not enough memory!</source>
        <translation>Nicht genügend Speicher!</translation>
    </message>
    <message>
        <source>File reading error: </source>
        <translation>Fehler beim Lesen der Datei: </translation>
    </message>
    <message>
        <source>File </source>
        <translation>Die Datei </translation>
    </message>
    <message>
        <source>
is not a proper upgrade file!</source>
        <translation>
ist keine gültige Update-Datei!</translation>
    </message>
    <message>
        <source>Allocation error: </source>
        <translation>Fehler bei der Speicherzuweisung: </translation>
    </message>
    <message>
        <source>CRC error in block %1</source>
        <translation>CRC-Fehler in Block %1</translation>
    </message>
    <message>
        <source>Cannot read inputs&apos; states!</source>
        <translation>Die Eingangszustände können nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Cannot initiate monitoring!</source>
        <translation>Die Überwachung kann nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Cannot initiate reading!</source>
        <translation>Das Lesen kann nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Cannot read inputs&apos; configuration!</source>
        <translation>Die Eingangskonfiguration kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Remote control:</source>
        <translation>Fernbedienung:</translation>
    </message>
    <message>
        <source>Operation failed!</source>
        <translation>Vorgang fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Time exceeded!</source>
        <translation>Zeit überschritten!</translation>
    </message>
    <message>
        <source>Invalid R. C. address!</source>
        <translation>Ungültige Adresse der Fernbedienung!</translation>
    </message>
    <message>
        <source>Ambiguous R. C. address!</source>
        <translation>Mehrdeutige Adresse der Fernbedienung!</translation>
    </message>
    <message>
        <source>Please select button!</source>
        <translation>Bitte eine Taste wählen!</translation>
    </message>
    <message>
        <source>Divergent key!</source>
        <translation>Abweichende Taste!</translation>
    </message>
    <message>
        <source>Invalid key code!</source>
        <translation>Ungültiger Tastencode!</translation>
    </message>
    <message>
        <source>RCU key code reading failed!</source>
        <translation>Lesen des Tastencodes der Fernbedienung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Invalid key code [%1]!</source>
        <translation>Ungültiger Tastencode [%1]!</translation>
    </message>
    <message>
        <source>RCU key code writing failed!</source>
        <translation>Schreiben des Tastencodes der Fernbedienung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>RCU address writing failed!</source>
        <translation>Schreiben der Adresse der Fernbedienung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>RCU data saving failed!</source>
        <translation>Speichern der Daten der Fernbedienung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Errors occured!</source>
        <translation>Es sind Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Errors parsing file
&quot;%1&quot; occured!
Refer to &quot;xml_report.log&quot;.</source>
        <translation>Beim Einlesen der Datei
„%1“ sind Fehler aufgetreten!
Einzelheiten in „xml_report.log“.</translation>
    </message>
    <message>
        <source>Older version!</source>
        <translation>Ältere Version!</translation>
    </message>
    <message>
        <source>The file contains previous version of configuration!
To convert it into current format try get
a converting program from QVR website!</source>
        <translation>Die Datei enthält eine frühere Version der Konfiguration!
Zum Umwandeln in das aktuelle Format laden Sie
ein Konvertierungsprogramm von der QVR-Website!</translation>
    </message>
    <message>
        <source>Invalid file!</source>
        <translation>Ungültige Datei!</translation>
    </message>
    <message>
        <source>This file is not a valid project description file:
&quot;%1&quot;</source>
        <translation>Diese Datei ist keine gültige Projektbeschreibungsdatei:
„%1“</translation>
    </message>
    <message>
        <source>Data read from file
       failed!

File corrupted.</source>
        <translation>Lesen der Daten aus der Datei
         fehlgeschlagen!

Datei beschädigt.</translation>
    </message>
    <message>
        <source>Data read from file
    successful!</source>
        <translation>Lesen der Daten aus der Datei
           erfolgreich!</translation>
    </message>
    <message>
        <source>Old-style file format!</source>
        <translation>Altes Dateiformat!</translation>
    </message>
    <message>
        <source>You have choosen old-style configuration file format!
Some informations will not be saved into file, and may get lost!
Continue anyway?</source>
        <translation>Sie haben das alte Format der Konfigurationsdatei gewählt!
Einige Informationen werden nicht in der Datei gespeichert und können verloren gehen!
Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>successful!</source>
        <translation>erfolgreich!</translation>
    </message>
    <message>
        <source>failed!</source>
        <translation>fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Data write to file </source>
        <translation>Schreiben der Daten in die Datei </translation>
    </message>
    <message>
        <source>Config and data writing
     failed!</source>
        <translation>Schreiben von Konfiguration und Daten
          fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Old firmware version!</source>
        <translation>Alte Firmware-Version!</translation>
    </message>
    <message>
        <source>Firmware older then 3.00.0009 cannot serve only 32 DMX channels!
Look for upgrade on the QVR site: %1 !
Continue anyway?</source>
        <translation>Firmware älter als 3.00.0009 kann nicht mit nur 32 DMX-Kanälen arbeiten!
Suchen Sie ein Update auf der QVR-Website: %1 !
Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Sending configuration and data...</source>
        <translation>Konfiguration und Daten werden gesendet...</translation>
    </message>
    <message>
        <source>Config and data writing
     successful!</source>
        <translation>Schreiben von Konfiguration und Daten
              erfolgreich!</translation>
    </message>
    <message>
        <source>Reading configuration...</source>
        <translation>Konfiguration wird gelesen...</translation>
    </message>
    <message>
        <source>Configuration reading
successful!</source>
        <translation>Lesen der Konfiguration
erfolgreich!</translation>
    </message>
    <message>
        <source>Configuration reading
 failed!</source>
        <translation>Lesen der Konfiguration
 fehlgeschlagen!</translation>
    </message>
    <message>
        <source>A KD625 is plugged in, but this user has no permission to open its USB device.
Install the udev rule resources/udev/60-varidex625.rules as README.md describes, then unplug the controller and plug it in again.</source>
        <translation>Ein KD625 ist angeschlossen, aber dieser Benutzer darf sein USB-Gerät nicht öffnen.
Installieren Sie die udev-Regel resources/udev/60-varidex625.rules wie in README.md beschrieben, ziehen Sie dann den Controller ab und stecken Sie ihn wieder an.</translation>
    </message>
</context>
<context>
    <name>level_settings_page</name>
    <message>
        <source>Single Channels</source>
        <translation>Einzelkanäle</translation>
    </message>
    <message>
        <source>Groupped Channels</source>
        <translation>Kanalgruppen</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Fade Up Time:</source>
        <translation>Einblendzeit:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Fade Down Time:</source>
        <translation>Ausblendzeit:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>values setting</source>
        <translation>Werte einstellen</translation>
    </message>
    <message>
        <source>with slider</source>
        <translation>mit Fader</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Abwählen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Choose all or...</source>
        <translation>Alle wählen oder...</translation>
    </message>
    <message>
        <source>Choose every</source>
        <translation>Jeden</translation>
    </message>
    <message>
        <source>In range</source>
        <translation>Im Bereich</translation>
    </message>
    <message>
        <source>from </source>
        <translation>von </translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Execute!</source>
        <translation>Ausführen!</translation>
    </message>
    <message>
        <source>Rule broken!</source>
        <translation>Regel verletzt!</translation>
    </message>
    <message>
        <source>All times cannot equal 0!
Duration will be fixed.</source>
        <translation>Nicht alle Zeiten dürfen 0 sein!
Die Dauer wird korrigiert.</translation>
    </message>
    <message>
        <source>Current Configuration</source>
        <translation>Aktuelle Konfiguration</translation>
    </message>
    <message>
        <source>Copy from range:</source>
        <translation>Kopieren von:</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Another Configuration</source>
        <translation>Andere Konfiguration</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>with relocation</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>Useless action!</source>
        <translation>Sinnlose Aktion!</translation>
    </message>
    <message>
        <source>Choose a project description file for Kd620 controller</source>
        <translation>Projektdatei für den Controller Kd620 wählen</translation>
    </message>
</context>
<context>
    <name>monitorek</name>
    <message>
        <source>monitorek</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Stop monitoring</source>
        <translation>Überwachung beenden</translation>
    </message>
</context>
<context>
    <name>page_base</name>
    <message>
        <source>no description</source>
        <translation>keine Beschreibung</translation>
    </message>
</context>
<context>
    <name>program_copy_run</name>
    <message>
        <source>Source program %1 does not exist!</source>
        <translation>Quellprogramm %1 existiert nicht!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Destination program %1 does exist!</source>
        <translation>Zielprogramm %1 existiert bereits!</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation>Aktion nicht ausführbar!</translation>
    </message>
    <message>
        <source>Scene number limit exceeded!</source>
        <translation>Szenenanzahl überschritten!</translation>
    </message>
    <message>
        <source>Some problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Supress warnings</source>
        <translation>Keine Warnungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>program_list_class</name>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Program steps limit exceed!</source>
        <translation>Limit der Programmschritte überschritten!</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Device not connected!</source>
        <translation>Gerät nicht verbunden!</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available!</source>
        <translation>Der zuvor verbundene Controller ist nicht mehr verfügbar!</translation>
    </message>
    <message>
        <source>
Retry or choose another device to connect.</source>
        <translation>
Erneut versuchen oder ein anderes Gerät wählen.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wechseln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>right_panel_widget</name>
    <message>
        <source>Send config to KD625</source>
        <translation>An KD625 senden</translation>
    </message>
    <message>
        <source>Read config from KD625</source>
        <translation>Von KD625 lesen</translation>
    </message>
    <message>
        <source>Save config to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Read config from file</source>
        <translation>Aus Datei lesen</translation>
    </message>
    <message>
        <source>Clear config</source>
        <translation>Konfiguration löschen</translation>
    </message>
    <message>
        <source>Connect with KD625</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect KD625</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Einfrieren</translation>
    </message>
    <message>
        <source>Restart KD625</source>
        <translation>Neustart KD625</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>KD625 Controller</source>
        <translation>Controller KD625</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>KD625 working mode:</source>
        <translation>Betriebsart KD625:</translation>
    </message>
    <message>
        <source>S/N ----</source>
        <translation>S/N ----</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Controller not frozen!</source>
        <translation>Controller nicht eingefroren!</translation>
    </message>
    <message>
        <source>Controller still frozen!</source>
        <translation>Controller noch eingefroren!</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <comment>QMessageBox</comment>
        <translation>Nicht verbunden!</translation>
    </message>
    <message>
        <source>Restart failed!</source>
        <translation>Neustart fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Configuration not sent!</source>
        <translation>Konfiguration nicht gesendet!</translation>
    </message>
    <message>
        <source>Configuration not read!</source>
        <translation>Konfiguration nicht gelesen!</translation>
    </message>
    <message>
        <source>Varidex project description (*.cfg625;*.cfg620;*.kdg)</source>
        <translation>Varidex-Projektbeschreibung (*.cfg625;*.cfg620;*.kdg)</translation>
    </message>
    <message>
        <source>Varidex 620 old-style config (*.cfg)</source>
        <translation>Varidex-620-Konfiguration im alten Format (*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose a project description file for Kd625 controller</source>
        <translation>Projektbeschreibungsdatei für den Controller KD625 wählen</translation>
    </message>
    <message>
        <source>Varidex 620 project/config files (*.cfg625;*.cfg620;*.kdg;*.cfg);;All files (*)</source>
        <translation>Varidex-620-Projekt/-Konfiguration (*.cfg625;*.cfg620;*.kdg;*.cfg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>F/W ver. %1</source>
        <translation>F/W-Version %1</translation>
    </message>
</context>
<context>
    <name>setStateClass</name>
    <message>
        <source>Ignore</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>When set</source>
        <translation>Gesetzt</translation>
    </message>
    <message>
        <source>When unset</source>
        <translation>Zurückgesetzt</translation>
    </message>
</context>
<context>
    <name>showDesc_class</name>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>timerEventSet</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>xml_element_class</name>
    <message>
        <source>Preview: </source>
        <translation>Vorschau: </translation>
    </message>
</context>
</TS>

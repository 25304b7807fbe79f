<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DTL_widget</name>
    <message>
        <source>Not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daytime only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night-time only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set manually</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Varidex625</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delayed Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StL_widget</name>
    <message>
        <source>State %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StateConds</name>
    <message>
        <source>State limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>admx512_sliders_widget</name>
    <message>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_clock_set_widget</name>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_clock_widget</name>
    <message>
        <source>Timer</source>
        <comment>column name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <comment>column name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 h %3 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer %1</source>
        <comment>timer with number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer
no. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise Event Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset Event Delay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_conf_widget</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RC %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Illegal value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabling input already defined: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This delay is locked!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_dlyd_widget</name>
    <message>
        <source>Delay No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_dmxout_widget</name>
    <message>
        <source>DMX Channel</source>
        <comment>table column</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (Off) - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (On) - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_inputs_widget</name>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input %1 (Off) - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input %1 (On) - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input %1 (Off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input %1 (On)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_ired_widget</name>
    <message>
        <source>pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>released</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rlsd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R. C. Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button No. %1 %2 - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Btn %1 %2 - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button No. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_page_base</name>
    <message>
        <source>Event description:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_tableview_delegate</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inc. brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec. brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusive on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>Akcja</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>Akcja</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle</source>
        <comment>Akcja</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay already in use!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay #%1 is blocked by sequence #%2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RC %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Illegal value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabling input already defined: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some delays are blocked by sequences!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To many delays defined!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_tableview_widget</name>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daytime Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>Akcja</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>Akcja</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusive on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night-time only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daytime only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aevents_vkeys_widget</name>
    <message>
        <source>Internal Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Event %1 - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int. ev. %1 - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Event %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>amask_settings_widget</name>
    <message>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear whole mask</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aprogram_conf_delegate</name>
    <message>
        <source>not set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aprogram_conf_widget</name>
    <message>
        <source>Scene No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade Up Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration | inf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade Down Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prog. Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule broken!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both times cannot equal 0!
Duration will be fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This action will remove last step from program.
	Really want to do so?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About to remove a step from program.
	Really want to do so?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid selection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algorithm error?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aprogram_settings_copying</name>
    <message>
        <source>Unused scenes pool starts from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse steps&apos; order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy from range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not copy scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a project description file for Kd620 controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varidex 625 project/config files (*.kdg;*.cfg;*.cfg625);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Useless action!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another source!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program number limit exceeded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are warned!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranges are overlapping!
Do you really want to copy?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aprogram_settings_widget</name>
    <message>
        <source>Copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit current scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groupped Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenes&apos; Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of scenes in program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurrences number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current scene description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting many steps at once is not built yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra entries into existing programs cannot be edited yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ascene_settings_widget</name>
    <message>
        <source>Coupled Scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coupling scenes is not built yet: the coupling groups are kept as the configuration holds them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aseq_conf_widget</name>
    <message>
        <source>Step No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To many delays defined!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aseq_settings_widget</name>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish
prev. step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seq. description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence No. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of steps in sequence:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>asettings_clock_widget</name>
    <message>
        <source>DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use system date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjustment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time setting
error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time setting
successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overdue firmware version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required core &quot;G&quot; or newer!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>asettings_descs_widget</name>
    <message>
        <source>The descriptions editor is not built yet: descriptions are kept as the configuration holds them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>asettings_dmx_widget</name>
    <message>
        <source>The settings of each DMX output channel are not built yet: they are kept as the configuration holds them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX Ch. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX Channel: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>asettings_inputs_widget</name>
    <message>
        <source>Input types and descriptions are shown as the configuration holds them; their editor is not built yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>asettings_ired_tab</name>
    <message>
        <source>Btn %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors occured!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors parsing file
&quot;%1&quot; occured!
Refer to &quot;xml_report.log&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undetermined RCU address value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid system address value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undetermined key codes table!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid key number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid key code!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button</source>
        <comment>column name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <comment>column name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <comment>column name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current system address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not use RCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get from RCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get code from RCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varidex RCU Settings (*.rcu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a RCU settings file for KD625 controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot; to write!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a RCU settings file for KD620 controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>btn_lbl</name>
    <message>
        <source>Descr.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Clear configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chained Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State &amp;&amp; Daytime Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delays &amp;&amp; Sequences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Related Events</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ctrl_monitor</name>
    <message>
        <source>Controller error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show inputs&apos; states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show output DMX values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show internal states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controller Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh rate (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Improper version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This feature requests firmware version 3.00.0004 or higher!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs&apos; states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output DMX values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active masks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active delays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>delayTimeEdit</name>
    <message>
        <source>Defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dmxOutputSet</name>
    <message>
        <source>DMX output channels in use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX output events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last channel:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dmx_sheet_group</name>
    <message>
        <source>Import / Export Masks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import / Export Scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy from range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relocate masks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relocate scenes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export masks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export scenes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import masks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import scenes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR DMX Sheets (*.dmx;*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose masks&apos; value sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose DMX value sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose file to save masks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose file to save scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid range!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1 to write!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open writing stream!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n mask(s) exported!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scene(s) exported!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Required number of masks exceeds Excel limits!
Continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required number of scenes exceeds Excel limits!
Continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid DMX sheet!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid masks found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valid scenes found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n mask(s) imported!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scene(s) imported!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dmx_value_class</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show inputs&apos; state in another window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;States</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show internal states in another window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;DMX output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show DMX output channels in another window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close aux. &amp;windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close all auxiliary windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;heck upgrades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for updates at QVR website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade KD625</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send upgrade to KD625 controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information about application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operations on files and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Views</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliary windows control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short informations about application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change language to: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seq. start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMX Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R. C. Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV sheets (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable / Disable Delay Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events Generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Sunrise / Sunset Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start-up Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut-down Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose event:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable extra entries
into existing programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file containing sunrise and sunset times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read times!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file to save sunrise and sunset times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot; to write!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save times!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected!</source>
        <comment>QMessageBox</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please call or send an email.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR Varidex625 - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software for KD625 controller configuration.
Release:   </source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR Varidex625 - About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt libraries: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an upgrade file for QVR KD625 controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>inKey_class</name>
    <message>
        <source>%1: Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undef.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kd620_controller_class</name>
    <message>
        <source>Not enough memory! Quitting!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coupling tables are not coherent!<byte value="xd"/>
The first one was taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions limit exceed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incomplete file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not all days of year are properly described!
	Continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version reading error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This relaese of firmware is already installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upgrade file is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification error: block %1
address 0x%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect structure of block %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File reading error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
is not a proper upgrade file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allocation error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC error in block %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read inputs&apos; states!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot initiate monitoring!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot initiate reading!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read inputs&apos; configuration!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time exceeded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid R. C. address!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambiguous R. C. address!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select button!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divergent key!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid key code!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCU key code reading failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid key code [%1]!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCU key code writing failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCU address writing failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCU data saving failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors occured!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors parsing file
&quot;%1&quot; occured!
Refer to &quot;xml_report.log&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Older version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file contains previous version of configuration!
To convert it into current format try get
a converting program from QVR website!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a valid project description file:
&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data read from file
       failed!

File corrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data read from file
    successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old-style file format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have choosen old-style configuration file format!
Some informations will not be saved into file, and may get lost!
Continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data write to file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config and data writing
     failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old firmware version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware older then 3.00.0009 cannot serve only 32 DMX channels!
Look for upgrade on the QVR site: %1 !
Continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending configuration and data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config and data writing
     successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration reading
successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration reading
 failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A KD625 is plugged in, but this user has no permission to open its USB device.
Install the udev rule resources/udev/60-varidex625.rules as README.md describes, then unplug the controller and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>level_settings_page</name>
    <message>
        <source>Single Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groupped Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade Up Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade Down Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>values setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose all or...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule broken!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All times cannot equal 0!
Duration will be fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying, also from another configuration file, is not built yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>monitorek</name>
    <message>
        <source>monitorek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop monitoring</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>page_base</name>
    <message>
        <source>no description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>program_copy_run</name>
    <message>
        <source>Source program %1 does not exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination program %1 does exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene number limit exceeded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supress warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>program_list_class</name>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program steps limit exceed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Device not connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Retry or choose another device to connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>right_panel_widget</name>
    <message>
        <source>Send config to KD625</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read config from KD625</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save config to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read config from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect with KD625</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect KD625</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart KD625</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KD625 Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KD625 working mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S/N ----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F/W ver. ----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controller not frozen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controller still frozen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected!</source>
        <comment>QMessageBox</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration not sent!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration not read!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varidex project description (*.cfg625;*.cfg620;*.kdg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varidex 620 old-style config (*.cfg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a project description file for Kd625 controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varidex 620 project/config files (*.cfg625;*.cfg620;*.kdg;*.cfg);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>setStateClass</name>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When unset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>timerEventSet</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>xml_element_class</name>
    <message>
        <source>Preview: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>QObject</name>
    <message>
        <source>unknown</source>
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
    <name>clearConf_dialog</name>
    <message>
        <source>Varidex625</source>
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
        <source>Varidex625</source>
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
    <name>xml_element_class</name>
    <message>
        <source>Preview: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

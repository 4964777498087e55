<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>FindDialogClass</name>
    <message>
        <source>FindDialog</source>
        <translation>FindDialog</translation>
    </message>
    <message>
        <source>   Find What :</source>
        <translation>   Find What :</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ProgramViewClass</name>
    <message>
        <source>ProgramView</source>
        <translation>ProgramView</translation>
    </message>
    <message>
        <source>Velloran</source>
        <translation>Velloran</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>File not found.</translation>
    </message>
</context>
<context>
    <name>Velloran</name>
    <message>
        <source>&lt;h3&gt;Velloran %1&lt;/h3&gt;&lt;p&gt;Viewer for the error, stop and operation history logs of robot controller backups.&lt;/p&gt;&lt;p&gt;Running on Qt %2.&lt;/p&gt;&lt;p&gt;Licensed under the MIT License.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velloran %1&lt;/h3&gt;&lt;p&gt;Viewer for the error, stop and operation history logs of robot controller backups.&lt;/p&gt;&lt;p&gt;Running on Qt %2.&lt;/p&gt;&lt;p&gt;Licensed under the MIT License.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Velloran</source>
        <translation>Velloran</translation>
    </message>
    <message>
        <source>Open File Kav</source>
        <translation>Open File Kav</translation>
    </message>
    <message>
        <source>Kav Robot Error log files (*.E01);;Kav Robot Stop log files(*.S01);;All files(*.*)</source>
        <translation>Kav Robot Error log files (*.E01);;Kav Robot Stop log files(*.S01);;All files(*.*)</translation>
    </message>
    <message>
        <source>Open File Lum/Luma</source>
        <translation>Open File Lum/Luma</translation>
    </message>
    <message>
        <source>Lum/Luma Robot Error log files (*.ERR);;Lum/Luma Robot Stop log files(*.STP);;All files(*.*)</source>
        <translation>Lum/Luma Robot Error log files (*.ERR);;Lum/Luma Robot Stop log files(*.STP);;All files(*.*)</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error Code</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>Cause</translation>
    </message>
    <message>
        <source>Remedy</source>
        <translation>Remedy</translation>
    </message>
    <message>
        <source>RunTo</source>
        <translation>RunTo</translation>
    </message>
    <message>
        <source>JogInch</source>
        <translation>JogInch</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>EmgStop</source>
        <translation>EmgStop</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>AutoMode</source>
        <translation>AutoMode</translation>
    </message>
    <message>
        <source>PlayBack</source>
        <translation>PlayBack</translation>
    </message>
    <message>
        <source>MotOn</source>
        <translation>MotOn</translation>
    </message>
    <message>
        <source>Select a Kav button.</source>
        <translation>Select a Kav button.</translation>
    </message>
    <message>
        <source>It&apos;s not a E01/S01 file.</source>
        <translation>It&apos;s not a E01/S01 file.</translation>
    </message>
    <message>
        <source>Select a Lum button.</source>
        <translation>Select a Lum button.</translation>
    </message>
    <message>
        <source>It&apos;s not a ERR/STP file.</source>
        <translation>It&apos;s not a ERR/STP file.</translation>
    </message>
    <message>
        <source>This file is error file of 8 Axis or more.
The axis is output in two rows.

Top line - Axis1~8
Bottom line - Axis9~16</source>
        <translation>This file is error file of 8 Axis or more.
The axis is output in two rows.

Top line - Axis1~8
Bottom line - Axis9~16</translation>
    </message>
    <message>
        <source>In addition to basic information, Arc information is included.
Please, check Arc In/Output Signal tab.</source>
        <translation>In addition to basic information, Arc information is included.
Please, check Arc In/Output Signal tab.</translation>
    </message>
    <message>
        <source>In addition to basic information, it also contains information that is not defined.
Please, check the JOB file.</source>
        <translation>In addition to basic information, it also contains information that is not defined.
Please, check the JOB file.</translation>
    </message>
    <message>
        <source>[Code] </source>
        <translation>[Code] </translation>
    </message>
    <message>
        <source>[Message] </source>
        <translation>[Message] </translation>
    </message>
    <message>
        <source>[Cause] </source>
        <translation>[Cause] </translation>
    </message>
    <message>
        <source>[Remedy] </source>
        <translation>[Remedy] </translation>
    </message>
    <message>
        <source>MCH File does not exist.</source>
        <translation>MCH File does not exist.</translation>
    </message>
    <message>
        <source>INF File does not exist.</source>
        <translation>INF File does not exist.</translation>
    </message>
    <message>
        <source>CON File does not exist.</source>
        <translation>CON File does not exist.</translation>
    </message>
    <message>
        <source>Check the next table.</source>
        <translation>Check the next table.</translation>
    </message>
    <message>
        <source>OPR File does not exist.</source>
        <translation>OPR File does not exist.</translation>
    </message>
    <message>
        <source>RunTo
Cmd</source>
        <translation>RunTo
Cmd</translation>
    </message>
    <message>
        <source>RunTo
Step</source>
        <translation>RunTo
Step</translation>
    </message>
    <message>
        <source>RunTo
End</source>
        <translation>RunTo
End</translation>
    </message>
    <message>
        <source>Service - </source>
        <translation>Service - </translation>
    </message>
    <message>
        <source>System - </source>
        <translation>System - </translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>TP On</source>
        <translation>TP On</translation>
    </message>
    <message>
        <source>TP Off</source>
        <translation>TP Off</translation>
    </message>
    <message>
        <source>Sidebar
Program</source>
        <translation>Sidebar
Program</translation>
    </message>
    <message>
        <source>Sidebar
Crd</source>
        <translation>Sidebar
Crd</translation>
    </message>
    <message>
        <source>Sidebar
Play spd</source>
        <translation>Sidebar
Play spd</translation>
    </message>
    <message>
        <source>Sidebar
Mech</source>
        <translation>Sidebar
Mech</translation>
    </message>
    <message>
        <source>[PROG]</source>
        <translation>[PROG]</translation>
    </message>
    <message>
        <source>[STEP]</source>
        <translation>[STEP]</translation>
    </message>
    <message>
        <source>[P.Mod]</source>
        <translation>[P.Mod]</translation>
    </message>
    <message>
        <source>[REC]</source>
        <translation>[REC]</translation>
    </message>
    <message>
        <source>[TOOL]</source>
        <translation>[TOOL]</translation>
    </message>
    <message>
        <source>[CRD]</source>
        <translation>[CRD]</translation>
    </message>
    <message>
        <source>[UNIT]</source>
        <translation>[UNIT]</translation>
    </message>
    <message>
        <source>[MECH]</source>
        <translation>[MECH]</translation>
    </message>
    <message>
        <source>[+]</source>
        <translation>[+]</translation>
    </message>
    <message>
        <source>[0]</source>
        <translation>[0]</translation>
    </message>
    <message>
        <source>[-]</source>
        <translation>[-]</translation>
    </message>
    <message>
        <source>[.]</source>
        <translation>[.]</translation>
    </message>
    <message>
        <source>[Del]</source>
        <translation>[Del]</translation>
    </message>
    <message>
        <source>[BackSpace]</source>
        <translation>[BackSpace]</translation>
    </message>
    <message>
        <source>Record
condition</source>
        <translation>Record
condition</translation>
    </message>
    <message>
        <source>Run to</source>
        <translation>Run to</translation>
    </message>
    <message>
        <source>Jog
inching</source>
        <translation>Jog
inching</translation>
    </message>
    <message>
        <source>QuickOpen</source>
        <translation>QuickOpen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Manual
output</source>
        <translation>Manual
output</translation>
    </message>
    <message>
        <source>Window
adjustment</source>
        <translation>Window
adjustment</translation>
    </message>
    <message>
        <source>Soft
keyboard</source>
        <translation>Soft
keyboard</translation>
    </message>
    <message>
        <source>User key</source>
        <translation>User key</translation>
    </message>
    <message>
        <source>1: Monitoring - </source>
        <translation>1: Monitoring - </translation>
    </message>
    <message>
        <source>2: Register - </source>
        <translation>2: Register - </translation>
    </message>
    <message>
        <source>3: Variable</source>
        <translation>3: Variable</translation>
    </message>
    <message>
        <source>4: Data comment</source>
        <translation>4: Data comment</translation>
    </message>
    <message>
        <source>5: File manager</source>
        <translation>5: File manager</translation>
    </message>
    <message>
        <source>6: Program conversion - </source>
        <translation>6: Program conversion - </translation>
    </message>
    <message>
        <source>7: System diagnosis - </source>
        <translation>7: System diagnosis - </translation>
    </message>
    <message>
        <source>8: Date, time setting</source>
        <translation>8: Date, time setting</translation>
    </message>
    <message>
        <source>9: Application program end</source>
        <translation>9: Application program end</translation>
    </message>
    <message>
        <source>10: Applet</source>
        <translation>10: Applet</translation>
    </message>
    <message>
        <source>11: Teach pendant option</source>
        <translation>11: Teach pendant option</translation>
    </message>
    <message>
        <source>12: Teach pendant sharing</source>
        <translation>12: Teach pendant sharing</translation>
    </message>
    <message>
        <source>16: Data gathering</source>
        <translation>16: Data gathering</translation>
    </message>
    <message>
        <source>17: History logging</source>
        <translation>17: History logging</translation>
    </message>
    <message>
        <source>1: Data of each axis</source>
        <translation>1: Data of each axis</translation>
    </message>
    <message>
        <source>2: Input/Output signal - </source>
        <translation>2: Input/Output signal - </translation>
    </message>
    <message>
        <source>3: Fieldbus signal - </source>
        <translation>3: Fieldbus signal - </translation>
    </message>
    <message>
        <source>4: Spot welding data - </source>
        <translation>4: Spot welding data - </translation>
    </message>
    <message>
        <source>5: Arc welding data</source>
        <translation>5: Arc welding data</translation>
    </message>
    <message>
        <source>7: PLC relay data - </source>
        <translation>7: PLC relay data - </translation>
    </message>
    <message>
        <source>8: Analog data</source>
        <translation>8: Analog data</translation>
    </message>
    <message>
        <source>11: Various data</source>
        <translation>11: Various data</translation>
    </message>
    <message>
        <source>12: Job program HotEdit</source>
        <translation>12: Job program HotEdit</translation>
    </message>
    <message>
        <source>13: Operation information</source>
        <translation>13: Operation information</translation>
    </message>
    <message>
        <source>14: Arc welding operation information</source>
        <translation>14: Arc welding operation information</translation>
    </message>
    <message>
        <source>15: Embedded fieldbus node state</source>
        <translation>15: Embedded fieldbus node state</translation>
    </message>
    <message>
        <source>16: System characteristic data - </source>
        <translation>16: System characteristic data - </translation>
    </message>
    <message>
        <source>17: System diagnosis data - </source>
        <translation>17: System diagnosis data - </translation>
    </message>
    <message>
        <source>18: Multi-tasking state</source>
        <translation>18: Multi-tasking state</translation>
    </message>
    <message>
        <source>20: Edit Ladder</source>
        <translation>20: Edit Ladder</translation>
    </message>
    <message>
        <source>24: Playback speed auto control state</source>
        <translation>24: Playback speed auto control state</translation>
    </message>
    <message>
        <source>25: Mastering test state</source>
        <translation>25: Mastering test state</translation>
    </message>
    <message>
        <source>26: External force data of the sensorless force control</source>
        <translation>26: External force data of the sensorless force control</translation>
    </message>
    <message>
        <source>1: Private input signal</source>
        <translation>1: Private input signal</translation>
    </message>
    <message>
        <source>2: Private output signal</source>
        <translation>2: Private output signal</translation>
    </message>
    <message>
        <source>3: Public input signal</source>
        <translation>3: Public input signal</translation>
    </message>
    <message>
        <source>4: Public output signal</source>
        <translation>4: Public output signal</translation>
    </message>
    <message>
        <source>5: Input signal name display</source>
        <translation>5: Input signal name display</translation>
    </message>
    <message>
        <source>6: Output signal name display</source>
        <translation>6: Output signal name display</translation>
    </message>
    <message>
        <source>7: Expand brake input signal</source>
        <translation>7: Expand brake input signal</translation>
    </message>
    <message>
        <source>8: Expand brake output signal</source>
        <translation>8: Expand brake output signal</translation>
    </message>
    <message>
        <source>1: FB1 fieldbus input</source>
        <translation>1: FB1 fieldbus input</translation>
    </message>
    <message>
        <source>2:  FB1 fieldbus output</source>
        <translation>2:  FB1 fieldbus output</translation>
    </message>
    <message>
        <source>5: FB3 fieldbus input</source>
        <translation>5: FB3 fieldbus input</translation>
    </message>
    <message>
        <source>6: FB3 fieldbus output</source>
        <translation>6: FB3 fieldbus output</translation>
    </message>
    <message>
        <source>9: FB5 fieldbus input</source>
        <translation>9: FB5 fieldbus input</translation>
    </message>
    <message>
        <source>10: FB5 fieldbus output</source>
        <translation>10: FB5 fieldbus output</translation>
    </message>
    <message>
        <source>1: Spot gun axis data</source>
        <translation>1: Spot gun axis data</translation>
    </message>
    <message>
        <source>2:  Spot welding input/output signal</source>
        <translation>2:  Spot welding input/output signal</translation>
    </message>
    <message>
        <source>3: Spot welding operating information</source>
        <translation>3: Spot welding operating information</translation>
    </message>
    <message>
        <source>1: PLC X Relay (External Input)</source>
        <translation>1: PLC X Relay (External Input)</translation>
    </message>
    <message>
        <source>2: PLC Y Relay (External Output)</source>
        <translation>2: PLC Y Relay (External Output)</translation>
    </message>
    <message>
        <source>3: PLC R Relay (Auxiliary)</source>
        <translation>3: PLC R Relay (Auxiliary)</translation>
    </message>
    <message>
        <source>4: PLC K Relay (Nonvolatile)</source>
        <translation>4: PLC K Relay (Nonvolatile)</translation>
    </message>
    <message>
        <source>5: PLC T Relay (Timer)</source>
        <translation>5: PLC T Relay (Timer)</translation>
    </message>
    <message>
        <source>6: PLC C Relay (Counter)</source>
        <translation>6: PLC C Relay (Counter)</translation>
    </message>
    <message>
        <source>7: PLC SP Relay (Special)</source>
        <translation>7: PLC SP Relay (Special)</translation>
    </message>
    <message>
        <source>8: PLC DI Relay (PLC Output)</source>
        <translation>8: PLC DI Relay (PLC Output)</translation>
    </message>
    <message>
        <source>9: PLC DO Relay (PLC Input)</source>
        <translation>9: PLC DO Relay (PLC Input)</translation>
    </message>
    <message>
        <source>10: PLC MW Relay (Data Memory)</source>
        <translation>10: PLC MW Relay (Data Memory)</translation>
    </message>
    <message>
        <source>11: PLC SW Relay (Syetem Memory)</source>
        <translation>11: PLC SW Relay (Syetem Memory)</translation>
    </message>
    <message>
        <source>1: System properties data (integrated)</source>
        <translation>1: System properties data (integrated)</translation>
    </message>
    <message>
        <source>2: Motion data of individual axes</source>
        <translation>2: Motion data of individual axes</translation>
    </message>
    <message>
        <source>3: Loading rate data</source>
        <translation>3: Loading rate data</translation>
    </message>
    <message>
        <source>4: Position deviation, disturbance torque</source>
        <translation>4: Position deviation, disturbance torque</translation>
    </message>
    <message>
        <source>5: Motor, encoder data</source>
        <translation>5: Motor, encoder data</translation>
    </message>
    <message>
        <source>6: Reducer data</source>
        <translation>6: Reducer data</translation>
    </message>
    <message>
        <source>7: Grease injection data</source>
        <translation>7: Grease injection data</translation>
    </message>
    <message>
        <source>10: Controller information - </source>
        <translation>10: Controller information - </translation>
    </message>
    <message>
        <source>11: PRM information - </source>
        <translation>11: PRM information - </translation>
    </message>
    <message>
        <source>1: Controller internal temperature</source>
        <translation>1: Controller internal temperature</translation>
    </message>
    <message>
        <source>2: Execution information</source>
        <translation>2: Execution information</translation>
    </message>
    <message>
        <source>1: PRM input signal</source>
        <translation>1: PRM input signal</translation>
    </message>
    <message>
        <source>3: PRM information</source>
        <translation>3: PRM information</translation>
    </message>
    <message>
        <source>1: Brake diagnosis data</source>
        <translation>1: Brake diagnosis data</translation>
    </message>
    <message>
        <source>2: Drive unit diagnosis data</source>
        <translation>2: Drive unit diagnosis data</translation>
    </message>
    <message>
        <source>3: Gas spring pressure diagnosis data</source>
        <translation>3: Gas spring pressure diagnosis data</translation>
    </message>
    <message>
        <source>1: XYZ shift register</source>
        <translation>1: XYZ shift register</translation>
    </message>
    <message>
        <source>2: Shift buffer</source>
        <translation>2: Shift buffer</translation>
    </message>
    <message>
        <source>3: Online shift register </source>
        <translation>3: Online shift register </translation>
    </message>
    <message>
        <source>5: Counter register</source>
        <translation>5: Counter register</translation>
    </message>
    <message>
        <source>1: Record condition</source>
        <translation>1: Record condition</translation>
    </message>
    <message>
        <source>2: Record speed</source>
        <translation>2: Record speed</translation>
    </message>
    <message>
        <source>3: Record position</source>
        <translation>3: Record position</translation>
    </message>
    <message>
        <source>4: The reference coordinate system</source>
        <translation>4: The reference coordinate system</translation>
    </message>
    <message>
        <source>5: Coordinate transformation</source>
        <translation>5: Coordinate transformation</translation>
    </message>
    <message>
        <source>6: Mirror image</source>
        <translation>6: Mirror image</translation>
    </message>
    <message>
        <source>7: Step copy</source>
        <translation>7: Step copy</translation>
    </message>
    <message>
        <source>8: Lum Job update</source>
        <translation>8: Lum Job update</translation>
    </message>
    <message>
        <source>9: Command statement comment</source>
        <translation>9: Command statement comment</translation>
    </message>
    <message>
        <source>1: System version</source>
        <translation>1: System version</translation>
    </message>
    <message>
        <source>2: Error log</source>
        <translation>2: Error log</translation>
    </message>
    <message>
        <source>3: Operation history</source>
        <translation>3: Operation history</translation>
    </message>
    <message>
        <source>9: Average load rate diagnosis</source>
        <translation>9: Average load rate diagnosis</translation>
    </message>
    <message>
        <source>10: History of Maintenance and Repair</source>
        <translation>10: History of Maintenance and Repair</translation>
    </message>
    <message>
        <source>11: Mastering test history</source>
        <translation>11: Mastering test history</translation>
    </message>
    <message>
        <source>1: User environment</source>
        <translation>1: User environment</translation>
    </message>
    <message>
        <source>2: Control parameter - </source>
        <translation>2: Control parameter - </translation>
    </message>
    <message>
        <source>3: Robot parameter - </source>
        <translation>3: Robot parameter - </translation>
    </message>
    <message>
        <source>4: Application prameter - </source>
        <translation>4: Application prameter - </translation>
    </message>
    <message>
        <source>5: Initialize - </source>
        <translation>5: Initialize - </translation>
    </message>
    <message>
        <source>6: Auto calibration - </source>
        <translation>6: Auto calibration - </translation>
    </message>
    <message>
        <source>1: Control environment setting</source>
        <translation>1: Control environment setting</translation>
    </message>
    <message>
        <source>2: Input/Output signal setting - </source>
        <translation>2: Input/Output signal setting - </translation>
    </message>
    <message>
        <source>3: Serial port - </source>
        <translation>3: Serial port - </translation>
    </message>
    <message>
        <source>4: Robot ready condition</source>
        <translation>4: Robot ready condition</translation>
    </message>
    <message>
        <source>5: Registration of home position</source>
        <translation>5: Registration of home position</translation>
    </message>
    <message>
        <source>6: Shift limit</source>
        <translation>6: Shift limit</translation>
    </message>
    <message>
        <source>7: Coordinate registration - </source>
        <translation>7: Coordinate registration - </translation>
    </message>
    <message>
        <source>8: Program reservation execution</source>
        <translation>8: Program reservation execution</translation>
    </message>
    <message>
        <source>9: Network - </source>
        <translation>9: Network - </translation>
    </message>
    <message>
        <source>11: Automatic backup and restoration</source>
        <translation>11: Automatic backup and restoration</translation>
    </message>
    <message>
        <source>1: Input signal attribute</source>
        <translation>1: Input signal attribute</translation>
    </message>
    <message>
        <source>2: Output signal attribute</source>
        <translation>2: Output signal attribute</translation>
    </message>
    <message>
        <source>3: Input signal assign</source>
        <translation>3: Input signal assign</translation>
    </message>
    <message>
        <source>4: Output signal assign</source>
        <translation>4: Output signal assign</translation>
    </message>
    <message>
        <source>5: key signal output</source>
        <translation>5: key signal output</translation>
    </message>
    <message>
        <source>6: Analog input filter</source>
        <translation>6: Analog input filter</translation>
    </message>
    <message>
        <source>10: KM731/KM732 fieldbus information</source>
        <translation>10: KM731/KM732 fieldbus information</translation>
    </message>
    <message>
        <source>11: KM77x fieldbus(CC-Link) information</source>
        <translation>11: KM77x fieldbus(CC-Link) information</translation>
    </message>
    <message>
        <source>12: Embedded DeviceNet master info and setting</source>
        <translation>12: Embedded DeviceNet master info and setting</translation>
    </message>
    <message>
        <source>13: Embedded DeviceNet slave info and setting</source>
        <translation>13: Embedded DeviceNet slave info and setting</translation>
    </message>
    <message>
        <source>14: KM735 real-time Ethernet setting/diagnosis</source>
        <translation>14: KM735 real-time Ethernet setting/diagnosis</translation>
    </message>
    <message>
        <source>15: KM735 fieldbus setting/diagnosis</source>
        <translation>15: KM735 fieldbus setting/diagnosis</translation>
    </message>
    <message>
        <source>16: CC-Link IE slave settings and diagnosis</source>
        <translation>16: CC-Link IE slave settings and diagnosis</translation>
    </message>
    <message>
        <source>1: Serial port #1</source>
        <translation>1: Serial port #1</translation>
    </message>
    <message>
        <source>2: Serial port #2</source>
        <translation>2: Serial port #2</translation>
    </message>
    <message>
        <source>1: User coordinate</source>
        <translation>1: User coordinate</translation>
    </message>
    <message>
        <source>2: Stationary tool coordinate</source>
        <translation>2: Stationary tool coordinate</translation>
    </message>
    <message>
        <source>1: Environment setting</source>
        <translation>1: Environment setting</translation>
    </message>
    <message>
        <source>2: Ethernet state</source>
        <translation>2: Ethernet state</translation>
    </message>
    <message>
        <source>3: Service</source>
        <translation>3: Service</translation>
    </message>
    <message>
        <source>1: Tool data</source>
        <translation>1: Tool data</translation>
    </message>
    <message>
        <source>2: Axis origin</source>
        <translation>2: Axis origin</translation>
    </message>
    <message>
        <source>3: Soft limit</source>
        <translation>3: Soft limit</translation>
    </message>
    <message>
        <source>4: Encoder offset</source>
        <translation>4: Encoder offset</translation>
    </message>
    <message>
        <source>5: B axis deadzone</source>
        <translation>5: B axis deadzone</translation>
    </message>
    <message>
        <source>6: Accuracy</source>
        <translation>6: Accuracy</translation>
    </message>
    <message>
        <source>7: Additional weight on each axis</source>
        <translation>7: Additional weight on each axis</translation>
    </message>
    <message>
        <source>10: Set the maintaincurrent redctionf function</source>
        <translation>10: Set the maintaincurrent redctionf function</translation>
    </message>
    <message>
        <source>11: Set the jog inching level</source>
        <translation>11: Set the jog inching level</translation>
    </message>
    <message>
        <source>12: System maintenance - </source>
        <translation>12: System maintenance - </translation>
    </message>
    <message>
        <source>13: System diagnosis - </source>
        <translation>13: System diagnosis - </translation>
    </message>
    <message>
        <source>14: Impact detection</source>
        <translation>14: Impact detection</translation>
    </message>
    <message>
        <source>33: Servo parameter - </source>
        <translation>33: Servo parameter - </translation>
    </message>
    <message>
        <source>34: Accel and decel parameter</source>
        <translation>34: Accel and decel parameter</translation>
    </message>
    <message>
        <source>1: Grease lubrication scheduling setting</source>
        <translation>1: Grease lubrication scheduling setting</translation>
    </message>
    <message>
        <source>2: Reducer lifespan setting</source>
        <translation>2: Reducer lifespan setting</translation>
    </message>
    <message>
        <source>3: Auto greasing setting</source>
        <translation>3: Auto greasing setting</translation>
    </message>
    <message>
        <source>1: Brake diagnosis setting</source>
        <translation>1: Brake diagnosis setting</translation>
    </message>
    <message>
        <source>2: Drive unit diagnosis setting</source>
        <translation>2: Drive unit diagnosis setting</translation>
    </message>
    <message>
        <source>3: Gas spring pressure diagnosis setting</source>
        <translation>3: Gas spring pressure diagnosis setting</translation>
    </message>
    <message>
        <source>1: Model-based impact detection</source>
        <translation>1: Model-based impact detection</translation>
    </message>
    <message>
        <source>2: Set the collision detection (of each axis)</source>
        <translation>2: Set the collision detection (of each axis)</translation>
    </message>
    <message>
        <source>3: Set the collision detection (TCP)</source>
        <translation>3: Set the collision detection (TCP)</translation>
    </message>
    <message>
        <source>1: Servo loop gain</source>
        <translation>1: Servo loop gain</translation>
    </message>
    <message>
        <source>2: Operating condition setting</source>
        <translation>2: Operating condition setting</translation>
    </message>
    <message>
        <source>3: Motor and encoder type</source>
        <translation>3: Motor and encoder type</translation>
    </message>
    <message>
        <source>4: Current loop gain</source>
        <translation>4: Current loop gain</translation>
    </message>
    <message>
        <source>7: Vibration control gain</source>
        <translation>7: Vibration control gain</translation>
    </message>
    <message>
        <source>8: Second axis sync parameter</source>
        <translation>8: Second axis sync parameter</translation>
    </message>
    <message>
        <source>9: Servo control environment</source>
        <translation>9: Servo control environment</translation>
    </message>
    <message>
        <source>1: Spot welding - </source>
        <translation>1: Spot welding - </translation>
    </message>
    <message>
        <source>2: Arc welding</source>
        <translation>2: Arc welding</translation>
    </message>
    <message>
        <source>3: Palletizing - </source>
        <translation>3: Palletizing - </translation>
    </message>
    <message>
        <source>4: Sensor synchronization - </source>
        <translation>4: Sensor synchronization - </translation>
    </message>
    <message>
        <source>5: Output voltage propotional to speed</source>
        <translation>5: Output voltage propotional to speed</translation>
    </message>
    <message>
        <source>7: Interference prevention - </source>
        <translation>7: Interference prevention - </translation>
    </message>
    <message>
        <source>10: Command independent execution</source>
        <translation>10: Command independent execution</translation>
    </message>
    <message>
        <source>12: Roller Hemming Squeeze Control</source>
        <translation>12: Roller Hemming Squeeze Control</translation>
    </message>
    <message>
        <source>14: Force control - </source>
        <translation>14: Force control - </translation>
    </message>
    <message>
        <source>16: Joystick mode</source>
        <translation>16: Joystick mode</translation>
    </message>
    <message>
        <source>17: Learning Control</source>
        <translation>17: Learning Control</translation>
    </message>
    <message>
        <source>18: Warvel</source>
        <translation>18: Warvel</translation>
    </message>
    <message>
        <source>19: Mastering test</source>
        <translation>19: Mastering test</translation>
    </message>
    <message>
        <source>1: Set tool number and gun-type</source>
        <translation>1: Set tool number and gun-type</translation>
    </message>
    <message>
        <source>2: Environment setting</source>
        <translation>2: Environment setting</translation>
    </message>
    <message>
        <source>3: Welding gun parameter</source>
        <translation>3: Welding gun parameter</translation>
    </message>
    <message>
        <source>4: Welding data (Cnd, Seq)</source>
        <translation>4: Welding data (Cnd, Seq)</translation>
    </message>
    <message>
        <source>5: Input signal assgin</source>
        <translation>5: Input signal assgin</translation>
    </message>
    <message>
        <source>6: Output signal assgin</source>
        <translation>6: Output signal assgin</translation>
    </message>
    <message>
        <source>7: Servo gun squeeze tuning</source>
        <translation>7: Servo gun squeeze tuning</translation>
    </message>
    <message>
        <source>8: Servo gun auto setting</source>
        <translation>8: Servo gun auto setting</translation>
    </message>
    <message>
        <source>9: SWD file recovery</source>
        <translation>9: SWD file recovery</translation>
    </message>
    <message>
        <source>1: Norvik</source>
        <translation>1: Norvik</translation>
    </message>
    <message>
        <source>1: Function use</source>
        <translation>1: Function use</translation>
    </message>
    <message>
        <source>1: Cube interference prevention</source>
        <translation>1: Cube interference prevention</translation>
    </message>
    <message>
        <source>2: Arm interference prevention</source>
        <translation>2: Arm interference prevention</translation>
    </message>
    <message>
        <source>1: System format</source>
        <translation>1: System format</translation>
    </message>
    <message>
        <source>2: Robot type selection</source>
        <translation>2: Robot type selection</translation>
    </message>
    <message>
        <source>3: Usage setting</source>
        <translation>3: Usage setting</translation>
    </message>
    <message>
        <source>4: Serial encoder reset</source>
        <translation>4: Serial encoder reset</translation>
    </message>
    <message>
        <source>6: Mechanism setting</source>
        <translation>6: Mechanism setting</translation>
    </message>
    <message>
        <source>9: Axis lock setting</source>
        <translation>9: Axis lock setting</translation>
    </message>
    <message>
        <source>11: System password setting</source>
        <translation>11: System password setting</translation>
    </message>
    <message>
        <source>1: Optimize axis origin and tool length</source>
        <translation>1: Optimize axis origin and tool length</translation>
    </message>
    <message>
        <source>3: LVS coordinate calibration</source>
        <translation>3: LVS coordinate calibration</translation>
    </message>
    <message>
        <source>4: Load estimation function</source>
        <translation>4: Load estimation function</translation>
    </message>
    <message>
        <source>7: Coordinate calivration for OLP</source>
        <translation>7: Coordinate calivration for OLP</translation>
    </message>
    <message>
        <source>9: Robot and tool calibration</source>
        <translation>9: Robot and tool calibration</translation>
    </message>
    <message>
        <source>10: Auto tuning of additional axis</source>
        <translation>10: Auto tuning of additional axis</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Out of range of seconds.</source>
        <translation>Out of range of seconds.</translation>
    </message>
    <message>
        <source>Out of range of Time.</source>
        <translation>Out of range of Time.</translation>
    </message>
    <message>
        <source>Save OPR File</source>
        <translation>Save OPR File</translation>
    </message>
    <message>
        <source>OPR files(*.OPR);;All files(*.*)</source>
        <translation>OPR files(*.OPR);;All files(*.*)</translation>
    </message>
    <message>
        <source>Please open the ERR file and try again.</source>
        <translation>Please open the ERR file and try again.</translation>
    </message>
    <message>
        <source>HISTORY.TXT does not exist.</source>
        <translation>HISTORY.TXT does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is Not Found.</source>
        <translation>&quot;%1&quot; is Not Found.</translation>
    </message>
</context>
<context>
    <name>VelloranClass</name>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>AxisNo</source>
        <translation>AxisNo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Func</source>
        <translation>Func</translation>
    </message>
    <message>
        <source>Axis1</source>
        <translation>Axis1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Axis2</translation>
    </message>
    <message>
        <source>Axis3</source>
        <translation>Axis3</translation>
    </message>
    <message>
        <source>Axis4</source>
        <translation>Axis4</translation>
    </message>
    <message>
        <source>Axis5</source>
        <translation>Axis5</translation>
    </message>
    <message>
        <source>Axis6</source>
        <translation>Axis6</translation>
    </message>
    <message>
        <source>Axis7</source>
        <translation>Axis7</translation>
    </message>
    <message>
        <source>Axis8</source>
        <translation>Axis8</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>DI1</source>
        <translation>DI1</translation>
    </message>
    <message>
        <source>DI2</source>
        <translation>DI2</translation>
    </message>
    <message>
        <source>DI3</source>
        <translation>DI3</translation>
    </message>
    <message>
        <source>DI4</source>
        <translation>DI4</translation>
    </message>
    <message>
        <source>SO</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>DO1</source>
        <translation>DO1</translation>
    </message>
    <message>
        <source>DO2</source>
        <translation>DO2</translation>
    </message>
    <message>
        <source>DO3</source>
        <translation>DO3</translation>
    </message>
    <message>
        <source>DO4</source>
        <translation>DO4</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error Code</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>Axis 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>Axis 2</translation>
    </message>
    <message>
        <source>Axis 3</source>
        <translation>Axis 3</translation>
    </message>
    <message>
        <source>Axis 4</source>
        <translation>Axis 4</translation>
    </message>
    <message>
        <source>Axis 5</source>
        <translation>Axis 5</translation>
    </message>
    <message>
        <source>Axis 6</source>
        <translation>Axis 6</translation>
    </message>
    <message>
        <source>Axis 7</source>
        <translation>Axis 7</translation>
    </message>
    <message>
        <source>Axis 8</source>
        <translation>Axis 8</translation>
    </message>
    <message>
        <source>모드스위치(자동)</source>
        <translation>Mode Switch(Auto)</translation>
    </message>
    <message>
        <source>모드스위치(수동)</source>
        <translation>Mode Switch(Manual)</translation>
    </message>
    <message>
        <source>모드스위치(원격)</source>
        <translation>Mode Switch(Remote)</translation>
    </message>
    <message>
        <source>모드스위치(시스템)</source>
        <translation>Mode Switch(System)</translation>
    </message>
    <message>
        <source>모터 ON(TP)</source>
        <translation>Motor ON(TP)</translation>
    </message>
    <message>
        <source>모터 ON(외부)</source>
        <translation>Motor ON(External)</translation>
    </message>
    <message>
        <source>기동(TP)</source>
        <translation>Start(TP)</translation>
    </message>
    <message>
        <source>정지(TP)</source>
        <translation>Stop(TP)</translation>
    </message>
    <message>
        <source>인에이블스위치(TP)</source>
        <translation>Enable Switch(TP)</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MC1(PreCharge)</source>
        <translation>MC1(PreCharge)</translation>
    </message>
    <message>
        <source>MC2(Motors Power)</source>
        <translation>MC2(Motors Power)</translation>
    </message>
    <message>
        <source>안전가드(자동)</source>
        <translation>Safety Guard(Auto)</translation>
    </message>
    <message>
        <source>안전가드(일반)</source>
        <translation>Safety Guard(General)</translation>
    </message>
    <message>
        <source>비상정지(TP)</source>
        <translation>Emergency Stop(TP)</translation>
    </message>
    <message>
        <source>비상정지(OP)</source>
        <translation>Emergency Stop(OP)</translation>
    </message>
    <message>
        <source>비상정지(외부)</source>
        <translation>Emergency Stop(External)</translation>
    </message>
    <message>
        <source>리밋(Over-Travel)</source>
        <translation>Limit(Over-Travel)</translation>
    </message>
    <message>
        <source>리밋(Over-Travel)부가</source>
        <translation>Limit(Over-Travel) Additional Axis</translation>
    </message>
    <message>
        <source>승강축벨트/리밋(Arm)</source>
        <translation>Lift Axis Belt/Limit(Arm)</translation>
    </message>
    <message>
        <source>리밋(Over-Traval)확장</source>
        <translation>Limit(Over-Travel) Extension</translation>
    </message>
    <message>
        <source>모터과열(TS)</source>
        <translation>Motor Overheat(TS)</translation>
    </message>
    <message>
        <source>모터과열(TS)부가</source>
        <translation>Motor Overheat(TS) Additional Axis</translation>
    </message>
    <message>
        <source>브레이크 전압저하</source>
        <translation>Brake Undervoltage</translation>
    </message>
    <message>
        <source>로봇팬(R-FAN)고장</source>
        <translation>Robot Fan(R-FAN) Failure</translation>
    </message>
    <message>
        <source>과부하(Motors전원)</source>
        <translation>Overload(Motors Power)</translation>
    </message>
    <message>
        <source>과부하(Brakes전원)</source>
        <translation>Overload(Brakes Power)</translation>
    </message>
    <message>
        <source>과부하(Control전원)</source>
        <translation>Overload(Control Power)</translation>
    </message>
    <message>
        <source>과부하(SMPS전원)</source>
        <translation>Overload(SMPS Power)</translation>
    </message>
    <message>
        <source>FLT(AMP Fault)</source>
        <translation>FLT(AMP Fault)</translation>
    </message>
    <message>
        <source>OV(AMP OverVoltage)</source>
        <translation>OV(AMP OverVoltage)</translation>
    </message>
    <message>
        <source>UV(AMP UnderVoltage)</source>
        <translation>UV(AMP UnderVoltage)</translation>
    </message>
    <message>
        <source>OC(AMP OverCurrent)</source>
        <translation>OC(AMP OverCurrent)</translation>
    </message>
    <message>
        <source>SV_BK(서보브레이크제어)</source>
        <translation>SV_BK(Servo Brake Control)</translation>
    </message>
    <message>
        <source>/SVON(서보ON)</source>
        <translation>/SVON(Servo ON)</translation>
    </message>
    <message>
        <source>컨버터 타입 확인</source>
        <translation>Converter Type Check</translation>
    </message>
    <message>
        <source>/PWMON</source>
        <translation>/PWMON</translation>
    </message>
    <message>
        <source>OP보드 연결확인</source>
        <translation>OP Board Connection Check</translation>
    </message>
    <message>
        <source>ESCAPE</source>
        <translation>ESCAPE</translation>
    </message>
    <message>
        <source>예약 1</source>
        <translation>Reserved 1</translation>
    </message>
    <message>
        <source>예약 2</source>
        <translation>Reserved 2</translation>
    </message>
    <message>
        <source>예약 3</source>
        <translation>Reserved 3</translation>
    </message>
    <message>
        <source>예약 4</source>
        <translation>Reserved 4</translation>
    </message>
    <message>
        <source>시스템 이상</source>
        <translation>System Error</translation>
    </message>
    <message>
        <source>MCON1(PreCharge)</source>
        <translation>MCON1(PreCharge)</translation>
    </message>
    <message>
        <source>MCON2(Motors Power)</source>
        <translation>MCON2(Motors Power)</translation>
    </message>
    <message>
        <source>HIGH Speed 1</source>
        <translation>HIGH Speed 1</translation>
    </message>
    <message>
        <source>HIGH Speed 2</source>
        <translation>HIGH Speed 2</translation>
    </message>
    <message>
        <source>ESCON1(Release1)</source>
        <translation>ESCON1(Release1)</translation>
    </message>
    <message>
        <source>ESCON2(Release2)</source>
        <translation>ESCON2(Release2)</translation>
    </message>
    <message>
        <source>브레이크제어 1</source>
        <translation>Brake Control 1</translation>
    </message>
    <message>
        <source>브레이크제어 2</source>
        <translation>Brake Control 2</translation>
    </message>
    <message>
        <source>브레이크제어 3</source>
        <translation>Brake Control 3</translation>
    </message>
    <message>
        <source>브레이크제어 4</source>
        <translation>Brake Control 4</translation>
    </message>
    <message>
        <source>브레이크제어 5</source>
        <translation>Brake Control 5</translation>
    </message>
    <message>
        <source>브레이크제어 6</source>
        <translation>Brake Control 6</translation>
    </message>
    <message>
        <source>브레이크제어 7</source>
        <translation>Brake Control 7</translation>
    </message>
    <message>
        <source>브레이크제어 8</source>
        <translation>Brake Control 8</translation>
    </message>
    <message>
        <source>원격 자동모드 1</source>
        <translation>Remote Auto Mode 1</translation>
    </message>
    <message>
        <source>원격 자동모드 2</source>
        <translation>Remote Auto Mode 2</translation>
    </message>
    <message>
        <source>냉각팬 꺼짐</source>
        <translation>Cooling Fan Off</translation>
    </message>
    <message>
        <source>RunTo</source>
        <translation>RunTo</translation>
    </message>
    <message>
        <source>JogInch</source>
        <translation>JogInch</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>EmgStop</source>
        <translation>EmgStop</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>AutoMode</source>
        <translation>AutoMode</translation>
    </message>
    <message>
        <source>PlayBack</source>
        <translation>PlayBack</translation>
    </message>
    <message>
        <source>MotOn</source>
        <translation>MotOn</translation>
    </message>
    <message>
        <source>SI1. WRC</source>
        <translation>SI1. WRC</translation>
    </message>
    <message>
        <source>SI2. Shock Sensor</source>
        <translation>SI2. Shock Sensor</translation>
    </message>
    <message>
        <source>SI3. Wire Stick</source>
        <translation>SI3. Wire Stick</translation>
    </message>
    <message>
        <source>SI4. Welder Error</source>
        <translation>SI4. Welder Error</translation>
    </message>
    <message>
        <source>SI5. Wire State</source>
        <translation>SI5. Wire State</translation>
    </message>
    <message>
        <source>SI6. Gas State</source>
        <translation>SI6. Gas State</translation>
    </message>
    <message>
        <source>SI7. Reserved</source>
        <translation>SI7. Reserved</translation>
    </message>
    <message>
        <source>SI8. Reserved</source>
        <translation>SI8. Reserved</translation>
    </message>
    <message>
        <source>SO1. Torch Switch</source>
        <translation>SO1. Torch Switch</translation>
    </message>
    <message>
        <source>SO2. Inching</source>
        <translation>SO2. Inching</translation>
    </message>
    <message>
        <source>SO3. Retract</source>
        <translation>SO3. Retract</translation>
    </message>
    <message>
        <source>SO4. Stick Check</source>
        <translation>SO4. Stick Check</translation>
    </message>
    <message>
        <source>SO5. Gas Check</source>
        <translation>SO5. Gas Check</translation>
    </message>
    <message>
        <source>SO6. Reserved</source>
        <translation>SO6. Reserved</translation>
    </message>
    <message>
        <source>SO7. Reserved</source>
        <translation>SO7. Reserved</translation>
    </message>
    <message>
        <source>SO8. Reserved</source>
        <translation>SO8. Reserved</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>System Input</translation>
    </message>
    <message>
        <source>System Output</source>
        <translation>System Output</translation>
    </message>
    <message>
        <source>General I/O</source>
        <translation>General I/O</translation>
    </message>
    <message>
        <source>Arc In/Output Signal</source>
        <translation>Arc In/Output Signal</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>MCH</source>
        <translation>MCH</translation>
    </message>
    <message>
        <source>INF</source>
        <translation>INF</translation>
    </message>
    <message>
        <source>CON</source>
        <translation>CON</translation>
    </message>
    <message>
        <source>OPR</source>
        <translation>OPR</translation>
    </message>
    <message>
        <source>Analog Signal</source>
        <translation>Analog Signal</translation>
    </message>
    <message>
        <source>(01-04)</source>
        <translation>(01-04)</translation>
    </message>
    <message>
        <source>(05-08)</source>
        <translation>(05-08)</translation>
    </message>
    <message>
        <source>Velloran</source>
        <translation>Velloran</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Kav</source>
        <translation>Kav</translation>
    </message>
    <message>
        <source>Lum/Luma</source>
        <translation>Lum/Luma</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>中國語</source>
        <translation>中國語</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>HISTORY.TXT</source>
        <translation>HISTORY.TXT</translation>
    </message>
    <message>
        <source>General Digital Input(DI1 ~ DI256)</source>
        <translation>General Digital Input(DI1 ~ DI256)</translation>
    </message>
    <message>
        <source>General Digital Output(DO1 ~ DO256)</source>
        <translation>General Digital Output(DO1 ~ DO256)</translation>
    </message>
    <message>
        <source>Arc Input Signal</source>
        <translation>Arc Input Signal</translation>
    </message>
    <message>
        <source>Arc Output Signal</source>
        <translation>Arc Output Signal</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>Cause</translation>
    </message>
    <message>
        <source>Remedy</source>
        <translation>Remedy</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Gulim&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Remedy&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Gulim&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Remedy&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>System Characteristic Data</source>
        <translation>System Characteristic Data</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>ModeSel</source>
        <translation>ModeSel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
</context>
</TS>

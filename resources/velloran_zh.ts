<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>FindDialogClass</name>
    <message>
        <source>FindDialog</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>   Find What :</source>
        <translation>   查找内容 :</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ProgramViewClass</name>
    <message>
        <source>ProgramView</source>
        <translation>程序查看</translation>
    </message>
    <message>
        <source>Velloran</source>
        <translation>Velloran</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>找不到文件。</translation>
    </message>
</context>
<context>
    <name>Velloran</name>
    <message>
        <source>&lt;h3&gt;Velloran %1&lt;/h3&gt;&lt;p&gt;Viewer for the error, stop and operation history logs of robot controller backups.&lt;/p&gt;&lt;p&gt;Running on Qt %2.&lt;/p&gt;&lt;p&gt;Licensed under the MIT License.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velloran %1&lt;/h3&gt;&lt;p&gt;机器人控制器备份中错误日志、停止日志和操作历史的查看器。&lt;/p&gt;&lt;p&gt;运行于 Qt %2。&lt;/p&gt;&lt;p&gt;依据 MIT 许可证授权。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Velloran</source>
        <translation>Velloran</translation>
    </message>
    <message>
        <source>Open File Kav</source>
        <translation>打开 Kav 文件</translation>
    </message>
    <message>
        <source>Kav Robot Error log files (*.E01);;Kav Robot Stop log files(*.S01);;All files(*.*)</source>
        <translation>Kav 机器人错误日志文件 (*.E01);;Kav 机器人停止日志文件(*.S01);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>Open File Lum/Luma</source>
        <translation>打开 Lum/Luma 文件</translation>
    </message>
    <message>
        <source>Lum/Luma Robot Error log files (*.ERR);;Lum/Luma Robot Stop log files(*.STP);;All files(*.*)</source>
        <translation>Lum/Luma 机器人错误日志文件 (*.ERR);;Lum/Luma 机器人停止日志文件(*.STP);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>错误代码</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Remedy</source>
        <translation>处理方法</translation>
    </message>
    <message>
        <source>RunTo</source>
        <translation>运行至</translation>
    </message>
    <message>
        <source>JogInch</source>
        <translation>点动/寸动</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>EmgStop</source>
        <translation>急停</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>远程</translation>
    </message>
    <message>
        <source>AutoMode</source>
        <translation>自动模式</translation>
    </message>
    <message>
        <source>PlayBack</source>
        <translation>再现</translation>
    </message>
    <message>
        <source>MotOn</source>
        <translation>电机 ON</translation>
    </message>
    <message>
        <source>Select a Kav button.</source>
        <translation>请选择 Kav 按钮。</translation>
    </message>
    <message>
        <source>It&apos;s not a E01/S01 file.</source>
        <translation>不是 E01/S01 文件。</translation>
    </message>
    <message>
        <source>Select a Lum button.</source>
        <translation>请选择 Lum 按钮。</translation>
    </message>
    <message>
        <source>It&apos;s not a ERR/STP file.</source>
        <translation>不是 ERR/STP 文件。</translation>
    </message>
    <message>
        <source>This file is error file of 8 Axis or more.
The axis is output in two rows.

Top line - Axis1~8
Bottom line - Axis9~16</source>
        <translation>该文件是8轴及以上机器人的错误文件。
轴数据分两行显示。

上行 - 轴1~8
下行 - 轴9~16</translation>
    </message>
    <message>
        <source>In addition to basic information, Arc information is included.
Please, check Arc In/Output Signal tab.</source>
        <translation>除基本信息外，还包含弧焊信息。
请查看“弧焊输入/输出信号”选项卡。</translation>
    </message>
    <message>
        <source>In addition to basic information, it also contains information that is not defined.
Please, check the JOB file.</source>
        <translation>除基本信息外，还包含未定义的信息。
请检查 JOB 文件。</translation>
    </message>
    <message>
        <source>[Code] </source>
        <translation>[代码] </translation>
    </message>
    <message>
        <source>[Message] </source>
        <translation>[信息] </translation>
    </message>
    <message>
        <source>[Cause] </source>
        <translation>[原因] </translation>
    </message>
    <message>
        <source>[Remedy] </source>
        <translation>[处理方法] </translation>
    </message>
    <message>
        <source>MCH File does not exist.</source>
        <translation>MCH 文件不存在。</translation>
    </message>
    <message>
        <source>INF File does not exist.</source>
        <translation>INF 文件不存在。</translation>
    </message>
    <message>
        <source>CON File does not exist.</source>
        <translation>CON 文件不存在。</translation>
    </message>
    <message>
        <source>Check the next table.</source>
        <translation>请查看旁边的表格。</translation>
    </message>
    <message>
        <source>OPR File does not exist.</source>
        <translation>OPR 文件不存在。</translation>
    </message>
    <message>
        <source>RunTo
Cmd</source>
        <translation>运行至
命令</translation>
    </message>
    <message>
        <source>RunTo
Step</source>
        <translation>运行至
步</translation>
    </message>
    <message>
        <source>RunTo
End</source>
        <translation>运行至
结束</translation>
    </message>
    <message>
        <source>Service - </source>
        <translation>服务 - </translation>
    </message>
    <message>
        <source>System - </source>
        <translation>系统 - </translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>TP On</source>
        <translation>TP 开启</translation>
    </message>
    <message>
        <source>TP Off</source>
        <translation>TP 关闭</translation>
    </message>
    <message>
        <source>Sidebar
Program</source>
        <translation>侧边栏
程序</translation>
    </message>
    <message>
        <source>Sidebar
Crd</source>
        <translation>侧边栏
坐标系</translation>
    </message>
    <message>
        <source>Sidebar
Play spd</source>
        <translation>侧边栏
再现速度</translation>
    </message>
    <message>
        <source>Sidebar
Mech</source>
        <translation>侧边栏
机构</translation>
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
        <translation>记录
条件</translation>
    </message>
    <message>
        <source>Run to</source>
        <translation>运行至</translation>
    </message>
    <message>
        <source>Jog
inching</source>
        <translation>点动
寸动</translation>
    </message>
    <message>
        <source>QuickOpen</source>
        <translation>快速打开</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Manual
output</source>
        <translation>手动
输出</translation>
    </message>
    <message>
        <source>Window
adjustment</source>
        <translation>窗口
调整</translation>
    </message>
    <message>
        <source>Soft
keyboard</source>
        <translation>软
键盘</translation>
    </message>
    <message>
        <source>User key</source>
        <translation>用户键</translation>
    </message>
    <message>
        <source>1: Monitoring - </source>
        <translation>1: 监控 - </translation>
    </message>
    <message>
        <source>2: Register - </source>
        <translation>2: 寄存器 - </translation>
    </message>
    <message>
        <source>3: Variable</source>
        <translation>3: 变量</translation>
    </message>
    <message>
        <source>4: Data comment</source>
        <translation>4: 数据注释</translation>
    </message>
    <message>
        <source>5: File manager</source>
        <translation>5: 文件管理器</translation>
    </message>
    <message>
        <source>6: Program conversion - </source>
        <translation>6: 程序转换 - </translation>
    </message>
    <message>
        <source>7: System diagnosis - </source>
        <translation>7: 系统诊断 - </translation>
    </message>
    <message>
        <source>8: Date, time setting</source>
        <translation>8: 日期、时间设置</translation>
    </message>
    <message>
        <source>9: Application program end</source>
        <translation>9: 退出应用程序</translation>
    </message>
    <message>
        <source>10: Applet</source>
        <translation>10: 小程序</translation>
    </message>
    <message>
        <source>11: Teach pendant option</source>
        <translation>11: 示教器选项</translation>
    </message>
    <message>
        <source>12: Teach pendant sharing</source>
        <translation>12: 示教器共享</translation>
    </message>
    <message>
        <source>16: Data gathering</source>
        <translation>16: 数据采集</translation>
    </message>
    <message>
        <source>17: History logging</source>
        <translation>17: 历史记录</translation>
    </message>
    <message>
        <source>1: Data of each axis</source>
        <translation>1: 各轴数据</translation>
    </message>
    <message>
        <source>2: Input/Output signal - </source>
        <translation>2: 输入/输出信号 - </translation>
    </message>
    <message>
        <source>3: Fieldbus signal - </source>
        <translation>3: 现场总线信号 - </translation>
    </message>
    <message>
        <source>4: Spot welding data - </source>
        <translation>4: 点焊数据 - </translation>
    </message>
    <message>
        <source>5: Arc welding data</source>
        <translation>5: 弧焊数据</translation>
    </message>
    <message>
        <source>7: PLC relay data - </source>
        <translation>7: PLC 继电器数据 - </translation>
    </message>
    <message>
        <source>8: Analog data</source>
        <translation>8: 模拟量数据</translation>
    </message>
    <message>
        <source>11: Various data</source>
        <translation>11: 其他数据</translation>
    </message>
    <message>
        <source>12: Job program HotEdit</source>
        <translation>12: 作业程序 HotEdit</translation>
    </message>
    <message>
        <source>13: Operation information</source>
        <translation>13: 运行信息</translation>
    </message>
    <message>
        <source>14: Arc welding operation information</source>
        <translation>14: 弧焊运行信息</translation>
    </message>
    <message>
        <source>15: Embedded fieldbus node state</source>
        <translation>15: 内置现场总线节点状态</translation>
    </message>
    <message>
        <source>16: System characteristic data - </source>
        <translation>16: 系统特性数据 - </translation>
    </message>
    <message>
        <source>17: System diagnosis data - </source>
        <translation>17: 系统诊断数据 - </translation>
    </message>
    <message>
        <source>18: Multi-tasking state</source>
        <translation>18: 多任务状态</translation>
    </message>
    <message>
        <source>20: Edit Ladder</source>
        <translation>20: 梯形图编辑</translation>
    </message>
    <message>
        <source>24: Playback speed auto control state</source>
        <translation>24: 再现速度自动控制状态</translation>
    </message>
    <message>
        <source>25: Mastering test state</source>
        <translation>25: 零点标定测试状态</translation>
    </message>
    <message>
        <source>26: External force data of the sensorless force control</source>
        <translation>26: 无传感器力控制的外力数据</translation>
    </message>
    <message>
        <source>1: Private input signal</source>
        <translation>1: 专用输入信号</translation>
    </message>
    <message>
        <source>2: Private output signal</source>
        <translation>2: 专用输出信号</translation>
    </message>
    <message>
        <source>3: Public input signal</source>
        <translation>3: 通用输入信号</translation>
    </message>
    <message>
        <source>4: Public output signal</source>
        <translation>4: 通用输出信号</translation>
    </message>
    <message>
        <source>5: Input signal name display</source>
        <translation>5: 输入信号名称显示</translation>
    </message>
    <message>
        <source>6: Output signal name display</source>
        <translation>6: 输出信号名称显示</translation>
    </message>
    <message>
        <source>7: Expand brake input signal</source>
        <translation>7: 扩展抱闸输入信号</translation>
    </message>
    <message>
        <source>8: Expand brake output signal</source>
        <translation>8: 扩展抱闸输出信号</translation>
    </message>
    <message>
        <source>1: FB1 fieldbus input</source>
        <translation>1: FB1 现场总线输入</translation>
    </message>
    <message>
        <source>2:  FB1 fieldbus output</source>
        <translation>2: FB1 现场总线输出</translation>
    </message>
    <message>
        <source>5: FB3 fieldbus input</source>
        <translation>5: FB3 现场总线输入</translation>
    </message>
    <message>
        <source>6: FB3 fieldbus output</source>
        <translation>6: FB3 现场总线输出</translation>
    </message>
    <message>
        <source>9: FB5 fieldbus input</source>
        <translation>9: FB5 现场总线输入</translation>
    </message>
    <message>
        <source>10: FB5 fieldbus output</source>
        <translation>10: FB5 现场总线输出</translation>
    </message>
    <message>
        <source>1: Spot gun axis data</source>
        <translation>1: 点焊枪轴数据</translation>
    </message>
    <message>
        <source>2:  Spot welding input/output signal</source>
        <translation>2: 点焊输入/输出信号</translation>
    </message>
    <message>
        <source>3: Spot welding operating information</source>
        <translation>3: 点焊运行信息</translation>
    </message>
    <message>
        <source>1: PLC X Relay (External Input)</source>
        <translation>1: PLC X 继电器 (外部输入)</translation>
    </message>
    <message>
        <source>2: PLC Y Relay (External Output)</source>
        <translation>2: PLC Y 继电器 (外部输出)</translation>
    </message>
    <message>
        <source>3: PLC R Relay (Auxiliary)</source>
        <translation>3: PLC R 继电器 (辅助)</translation>
    </message>
    <message>
        <source>4: PLC K Relay (Nonvolatile)</source>
        <translation>4: PLC K 继电器 (断电保持)</translation>
    </message>
    <message>
        <source>5: PLC T Relay (Timer)</source>
        <translation>5: PLC T 继电器 (定时器)</translation>
    </message>
    <message>
        <source>6: PLC C Relay (Counter)</source>
        <translation>6: PLC C 继电器 (计数器)</translation>
    </message>
    <message>
        <source>7: PLC SP Relay (Special)</source>
        <translation>7: PLC SP 继电器 (特殊)</translation>
    </message>
    <message>
        <source>8: PLC DI Relay (PLC Output)</source>
        <translation>8: PLC DI 继电器 (PLC 输出)</translation>
    </message>
    <message>
        <source>9: PLC DO Relay (PLC Input)</source>
        <translation>9: PLC DO 继电器 (PLC 输入)</translation>
    </message>
    <message>
        <source>10: PLC MW Relay (Data Memory)</source>
        <translation>10: PLC MW 继电器 (数据存储器)</translation>
    </message>
    <message>
        <source>11: PLC SW Relay (Syetem Memory)</source>
        <translation>11: PLC SW 继电器 (系统存储器)</translation>
    </message>
    <message>
        <source>1: System properties data (integrated)</source>
        <translation>1: 系统特性数据 (综合)</translation>
    </message>
    <message>
        <source>2: Motion data of individual axes</source>
        <translation>2: 各轴运动数据</translation>
    </message>
    <message>
        <source>3: Loading rate data</source>
        <translation>3: 负载率数据</translation>
    </message>
    <message>
        <source>4: Position deviation, disturbance torque</source>
        <translation>4: 位置偏差、扰动转矩</translation>
    </message>
    <message>
        <source>5: Motor, encoder data</source>
        <translation>5: 电机、编码器数据</translation>
    </message>
    <message>
        <source>6: Reducer data</source>
        <translation>6: 减速机数据</translation>
    </message>
    <message>
        <source>7: Grease injection data</source>
        <translation>7: 润滑脂加注数据</translation>
    </message>
    <message>
        <source>10: Controller information - </source>
        <translation>10: 控制器信息 - </translation>
    </message>
    <message>
        <source>11: PRM information - </source>
        <translation>11: PRM 信息 - </translation>
    </message>
    <message>
        <source>1: Controller internal temperature</source>
        <translation>1: 控制器内部温度</translation>
    </message>
    <message>
        <source>2: Execution information</source>
        <translation>2: 执行信息</translation>
    </message>
    <message>
        <source>1: PRM input signal</source>
        <translation>1: PRM 输入信号</translation>
    </message>
    <message>
        <source>3: PRM information</source>
        <translation>3: PRM 信息</translation>
    </message>
    <message>
        <source>1: Brake diagnosis data</source>
        <translation>1: 抱闸诊断数据</translation>
    </message>
    <message>
        <source>2: Drive unit diagnosis data</source>
        <translation>2: 驱动单元诊断数据</translation>
    </message>
    <message>
        <source>3: Gas spring pressure diagnosis data</source>
        <translation>3: 气弹簧压力诊断数据</translation>
    </message>
    <message>
        <source>1: XYZ shift register</source>
        <translation>1: XYZ 偏移寄存器</translation>
    </message>
    <message>
        <source>2: Shift buffer</source>
        <translation>2: 偏移缓冲区</translation>
    </message>
    <message>
        <source>3: Online shift register </source>
        <translation>3: 在线偏移寄存器 </translation>
    </message>
    <message>
        <source>5: Counter register</source>
        <translation>5: 计数器寄存器</translation>
    </message>
    <message>
        <source>1: Record condition</source>
        <translation>1: 记录条件</translation>
    </message>
    <message>
        <source>2: Record speed</source>
        <translation>2: 记录速度</translation>
    </message>
    <message>
        <source>3: Record position</source>
        <translation>3: 记录位置</translation>
    </message>
    <message>
        <source>4: The reference coordinate system</source>
        <translation>4: 基准坐标系</translation>
    </message>
    <message>
        <source>5: Coordinate transformation</source>
        <translation>5: 坐标变换</translation>
    </message>
    <message>
        <source>6: Mirror image</source>
        <translation>6: 镜像</translation>
    </message>
    <message>
        <source>7: Step copy</source>
        <translation>7: 步复制</translation>
    </message>
    <message>
        <source>8: Lum Job update</source>
        <translation>8: Lum 作业更新</translation>
    </message>
    <message>
        <source>9: Command statement comment</source>
        <translation>9: 命令语句注释</translation>
    </message>
    <message>
        <source>1: System version</source>
        <translation>1: 系统版本</translation>
    </message>
    <message>
        <source>2: Error log</source>
        <translation>2: 错误日志</translation>
    </message>
    <message>
        <source>3: Operation history</source>
        <translation>3: 操作历史</translation>
    </message>
    <message>
        <source>9: Average load rate diagnosis</source>
        <translation>9: 平均负载率诊断</translation>
    </message>
    <message>
        <source>10: History of Maintenance and Repair</source>
        <translation>10: 维护维修历史</translation>
    </message>
    <message>
        <source>11: Mastering test history</source>
        <translation>11: 零点标定测试历史</translation>
    </message>
    <message>
        <source>1: User environment</source>
        <translation>1: 用户环境</translation>
    </message>
    <message>
        <source>2: Control parameter - </source>
        <translation>2: 控制参数 - </translation>
    </message>
    <message>
        <source>3: Robot parameter - </source>
        <translation>3: 机器人参数 - </translation>
    </message>
    <message>
        <source>4: Application prameter - </source>
        <translation>4: 应用参数 - </translation>
    </message>
    <message>
        <source>5: Initialize - </source>
        <translation>5: 初始化 - </translation>
    </message>
    <message>
        <source>6: Auto calibration - </source>
        <translation>6: 自动校准 - </translation>
    </message>
    <message>
        <source>1: Control environment setting</source>
        <translation>1: 控制环境设置</translation>
    </message>
    <message>
        <source>2: Input/Output signal setting - </source>
        <translation>2: 输入/输出信号设置 - </translation>
    </message>
    <message>
        <source>3: Serial port - </source>
        <translation>3: 串口 - </translation>
    </message>
    <message>
        <source>4: Robot ready condition</source>
        <translation>4: 机器人就绪条件</translation>
    </message>
    <message>
        <source>5: Registration of home position</source>
        <translation>5: 原点位置登记</translation>
    </message>
    <message>
        <source>6: Shift limit</source>
        <translation>6: 偏移限制</translation>
    </message>
    <message>
        <source>7: Coordinate registration - </source>
        <translation>7: 坐标系登记 - </translation>
    </message>
    <message>
        <source>8: Program reservation execution</source>
        <translation>8: 程序预约执行</translation>
    </message>
    <message>
        <source>9: Network - </source>
        <translation>9: 网络 - </translation>
    </message>
    <message>
        <source>11: Automatic backup and restoration</source>
        <translation>11: 自动备份与恢复</translation>
    </message>
    <message>
        <source>1: Input signal attribute</source>
        <translation>1: 输入信号属性</translation>
    </message>
    <message>
        <source>2: Output signal attribute</source>
        <translation>2: 输出信号属性</translation>
    </message>
    <message>
        <source>3: Input signal assign</source>
        <translation>3: 输入信号分配</translation>
    </message>
    <message>
        <source>4: Output signal assign</source>
        <translation>4: 输出信号分配</translation>
    </message>
    <message>
        <source>5: key signal output</source>
        <translation>5: 按键信号输出</translation>
    </message>
    <message>
        <source>6: Analog input filter</source>
        <translation>6: 模拟输入滤波器</translation>
    </message>
    <message>
        <source>10: KM731/KM732 fieldbus information</source>
        <translation>10: KM731/KM732 现场总线信息</translation>
    </message>
    <message>
        <source>11: KM77x fieldbus(CC-Link) information</source>
        <translation>11: KM77x 现场总线(CC-Link)信息</translation>
    </message>
    <message>
        <source>12: Embedded DeviceNet master info and setting</source>
        <translation>12: 内置 DeviceNet 主站信息与设置</translation>
    </message>
    <message>
        <source>13: Embedded DeviceNet slave info and setting</source>
        <translation>13: 内置 DeviceNet 从站信息与设置</translation>
    </message>
    <message>
        <source>14: KM735 real-time Ethernet setting/diagnosis</source>
        <translation>14: KM735 实时以太网设置/诊断</translation>
    </message>
    <message>
        <source>15: KM735 fieldbus setting/diagnosis</source>
        <translation>15: KM735 现场总线设置/诊断</translation>
    </message>
    <message>
        <source>16: CC-Link IE slave settings and diagnosis</source>
        <translation>16: CC-Link IE 从站设置与诊断</translation>
    </message>
    <message>
        <source>1: Serial port #1</source>
        <translation>1: 串口 #1</translation>
    </message>
    <message>
        <source>2: Serial port #2</source>
        <translation>2: 串口 #2</translation>
    </message>
    <message>
        <source>1: User coordinate</source>
        <translation>1: 用户坐标系</translation>
    </message>
    <message>
        <source>2: Stationary tool coordinate</source>
        <translation>2: 固定工具坐标系</translation>
    </message>
    <message>
        <source>1: Environment setting</source>
        <translation>1: 环境设置</translation>
    </message>
    <message>
        <source>2: Ethernet state</source>
        <translation>2: 以太网状态</translation>
    </message>
    <message>
        <source>3: Service</source>
        <translation>3: 服务</translation>
    </message>
    <message>
        <source>1: Tool data</source>
        <translation>1: 工具数据</translation>
    </message>
    <message>
        <source>2: Axis origin</source>
        <translation>2: 轴原点</translation>
    </message>
    <message>
        <source>3: Soft limit</source>
        <translation>3: 软限位</translation>
    </message>
    <message>
        <source>4: Encoder offset</source>
        <translation>4: 编码器偏移</translation>
    </message>
    <message>
        <source>5: B axis deadzone</source>
        <translation>5: B轴死区</translation>
    </message>
    <message>
        <source>6: Accuracy</source>
        <translation>6: 精度</translation>
    </message>
    <message>
        <source>7: Additional weight on each axis</source>
        <translation>7: 各轴附加负载</translation>
    </message>
    <message>
        <source>10: Set the maintaincurrent redctionf function</source>
        <translation>10: 保持电流降低功能设置</translation>
    </message>
    <message>
        <source>11: Set the jog inching level</source>
        <translation>11: 点动寸动等级设置</translation>
    </message>
    <message>
        <source>12: System maintenance - </source>
        <translation>12: 系统维护 - </translation>
    </message>
    <message>
        <source>13: System diagnosis - </source>
        <translation>13: 系统诊断 - </translation>
    </message>
    <message>
        <source>14: Impact detection</source>
        <translation>14: 碰撞检测</translation>
    </message>
    <message>
        <source>33: Servo parameter - </source>
        <translation>33: 伺服参数 - </translation>
    </message>
    <message>
        <source>34: Accel and decel parameter</source>
        <translation>34: 加减速参数</translation>
    </message>
    <message>
        <source>1: Grease lubrication scheduling setting</source>
        <translation>1: 润滑脂润滑计划设置</translation>
    </message>
    <message>
        <source>2: Reducer lifespan setting</source>
        <translation>2: 减速机寿命设置</translation>
    </message>
    <message>
        <source>3: Auto greasing setting</source>
        <translation>3: 自动加脂设置</translation>
    </message>
    <message>
        <source>1: Brake diagnosis setting</source>
        <translation>1: 抱闸诊断设置</translation>
    </message>
    <message>
        <source>2: Drive unit diagnosis setting</source>
        <translation>2: 驱动单元诊断设置</translation>
    </message>
    <message>
        <source>3: Gas spring pressure diagnosis setting</source>
        <translation>3: 气弹簧压力诊断设置</translation>
    </message>
    <message>
        <source>1: Model-based impact detection</source>
        <translation>1: 基于模型的碰撞检测</translation>
    </message>
    <message>
        <source>2: Set the collision detection (of each axis)</source>
        <translation>2: 碰撞检测设置 (各轴)</translation>
    </message>
    <message>
        <source>3: Set the collision detection (TCP)</source>
        <translation>3: 碰撞检测设置 (TCP)</translation>
    </message>
    <message>
        <source>1: Servo loop gain</source>
        <translation>1: 伺服环增益</translation>
    </message>
    <message>
        <source>2: Operating condition setting</source>
        <translation>2: 运行条件设置</translation>
    </message>
    <message>
        <source>3: Motor and encoder type</source>
        <translation>3: 电机与编码器类型</translation>
    </message>
    <message>
        <source>4: Current loop gain</source>
        <translation>4: 电流环增益</translation>
    </message>
    <message>
        <source>7: Vibration control gain</source>
        <translation>7: 振动控制增益</translation>
    </message>
    <message>
        <source>8: Second axis sync parameter</source>
        <translation>8: 第二轴同步参数</translation>
    </message>
    <message>
        <source>9: Servo control environment</source>
        <translation>9: 伺服控制环境</translation>
    </message>
    <message>
        <source>1: Spot welding - </source>
        <translation>1: 点焊 - </translation>
    </message>
    <message>
        <source>2: Arc welding</source>
        <translation>2: 弧焊</translation>
    </message>
    <message>
        <source>3: Palletizing - </source>
        <translation>3: 码垛 - </translation>
    </message>
    <message>
        <source>4: Sensor synchronization - </source>
        <translation>4: 传感器同步 - </translation>
    </message>
    <message>
        <source>5: Output voltage propotional to speed</source>
        <translation>5: 速度比例电压输出</translation>
    </message>
    <message>
        <source>7: Interference prevention - </source>
        <translation>7: 干涉防止 - </translation>
    </message>
    <message>
        <source>10: Command independent execution</source>
        <translation>10: 命令独立执行</translation>
    </message>
    <message>
        <source>12: Roller Hemming Squeeze Control</source>
        <translation>12: 滚边加压控制</translation>
    </message>
    <message>
        <source>14: Force control - </source>
        <translation>14: 力控制 - </translation>
    </message>
    <message>
        <source>16: Joystick mode</source>
        <translation>16: 操纵杆模式</translation>
    </message>
    <message>
        <source>17: Learning Control</source>
        <translation>17: 学习控制</translation>
    </message>
    <message>
        <source>18: Warvel</source>
        <translation>18: Warvel</translation>
    </message>
    <message>
        <source>19: Mastering test</source>
        <translation>19: 零点标定测试</translation>
    </message>
    <message>
        <source>1: Set tool number and gun-type</source>
        <translation>1: 设置工具号和焊枪类型</translation>
    </message>
    <message>
        <source>2: Environment setting</source>
        <translation>2: 环境设置</translation>
    </message>
    <message>
        <source>3: Welding gun parameter</source>
        <translation>3: 焊枪参数</translation>
    </message>
    <message>
        <source>4: Welding data (Cnd, Seq)</source>
        <translation>4: 焊接数据 (Cnd, Seq)</translation>
    </message>
    <message>
        <source>5: Input signal assgin</source>
        <translation>5: 输入信号分配</translation>
    </message>
    <message>
        <source>6: Output signal assgin</source>
        <translation>6: 输出信号分配</translation>
    </message>
    <message>
        <source>7: Servo gun squeeze tuning</source>
        <translation>7: 伺服焊枪加压调整</translation>
    </message>
    <message>
        <source>8: Servo gun auto setting</source>
        <translation>8: 伺服焊枪自动设置</translation>
    </message>
    <message>
        <source>9: SWD file recovery</source>
        <translation>9: SWD 文件恢复</translation>
    </message>
    <message>
        <source>1: Norvik</source>
        <translation>1: Norvik</translation>
    </message>
    <message>
        <source>1: Function use</source>
        <translation>1: 功能使用</translation>
    </message>
    <message>
        <source>1: Cube interference prevention</source>
        <translation>1: 立方体干涉防止</translation>
    </message>
    <message>
        <source>2: Arm interference prevention</source>
        <translation>2: 手臂干涉防止</translation>
    </message>
    <message>
        <source>1: System format</source>
        <translation>1: 系统格式化</translation>
    </message>
    <message>
        <source>2: Robot type selection</source>
        <translation>2: 机器人型号选择</translation>
    </message>
    <message>
        <source>3: Usage setting</source>
        <translation>3: 用途设置</translation>
    </message>
    <message>
        <source>4: Serial encoder reset</source>
        <translation>4: 串行编码器复位</translation>
    </message>
    <message>
        <source>6: Mechanism setting</source>
        <translation>6: 机构设置</translation>
    </message>
    <message>
        <source>9: Axis lock setting</source>
        <translation>9: 轴锁定设置</translation>
    </message>
    <message>
        <source>11: System password setting</source>
        <translation>11: 系统密码设置</translation>
    </message>
    <message>
        <source>1: Optimize axis origin and tool length</source>
        <translation>1: 轴原点与工具长度优化</translation>
    </message>
    <message>
        <source>3: LVS coordinate calibration</source>
        <translation>3: LVS 坐标系校准</translation>
    </message>
    <message>
        <source>4: Load estimation function</source>
        <translation>4: 负载估算功能</translation>
    </message>
    <message>
        <source>7: Coordinate calivration for OLP</source>
        <translation>7: OLP 坐标系校准</translation>
    </message>
    <message>
        <source>9: Robot and tool calibration</source>
        <translation>9: 机器人与工具校准</translation>
    </message>
    <message>
        <source>10: Auto tuning of additional axis</source>
        <translation>10: 附加轴自动调整</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入数字。</translation>
    </message>
    <message>
        <source>Out of range of seconds.</source>
        <translation>秒数超出范围。</translation>
    </message>
    <message>
        <source>Out of range of Time.</source>
        <translation>时间超出范围。</translation>
    </message>
    <message>
        <source>Save OPR File</source>
        <translation>保存 OPR 文件</translation>
    </message>
    <message>
        <source>OPR files(*.OPR);;All files(*.*)</source>
        <translation>OPR 文件(*.OPR);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>Please open the ERR file and try again.</source>
        <translation>请先打开 ERR 文件，然后重试。</translation>
    </message>
    <message>
        <source>HISTORY.TXT does not exist.</source>
        <translation>HISTORY.TXT 文件不存在。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is Not Found.</source>
        <translation>找不到“%1”。</translation>
    </message>
</context>
<context>
    <name>VelloranClass</name>
    <message>
        <source>No</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>AxisNo</source>
        <translation>轴号</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>步号</translation>
    </message>
    <message>
        <source>Func</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Axis1</source>
        <translation>轴1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>轴2</translation>
    </message>
    <message>
        <source>Axis3</source>
        <translation>轴3</translation>
    </message>
    <message>
        <source>Axis4</source>
        <translation>轴4</translation>
    </message>
    <message>
        <source>Axis5</source>
        <translation>轴5</translation>
    </message>
    <message>
        <source>Axis6</source>
        <translation>轴6</translation>
    </message>
    <message>
        <source>Axis7</source>
        <translation>轴7</translation>
    </message>
    <message>
        <source>Axis8</source>
        <translation>轴8</translation>
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
        <translation>次数</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>错误代码</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>轴 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>轴 2</translation>
    </message>
    <message>
        <source>Axis 3</source>
        <translation>轴 3</translation>
    </message>
    <message>
        <source>Axis 4</source>
        <translation>轴 4</translation>
    </message>
    <message>
        <source>Axis 5</source>
        <translation>轴 5</translation>
    </message>
    <message>
        <source>Axis 6</source>
        <translation>轴 6</translation>
    </message>
    <message>
        <source>Axis 7</source>
        <translation>轴 7</translation>
    </message>
    <message>
        <source>Axis 8</source>
        <translation>轴 8</translation>
    </message>
    <message>
        <source>모드스위치(자동)</source>
        <translation>模式开关(自动)</translation>
    </message>
    <message>
        <source>모드스위치(수동)</source>
        <translation>模式开关(手动)</translation>
    </message>
    <message>
        <source>모드스위치(원격)</source>
        <translation>模式开关(远程)</translation>
    </message>
    <message>
        <source>모드스위치(시스템)</source>
        <translation>模式开关(系统)</translation>
    </message>
    <message>
        <source>모터 ON(TP)</source>
        <translation>电机 ON(TP)</translation>
    </message>
    <message>
        <source>모터 ON(외부)</source>
        <translation>电机 ON(外部)</translation>
    </message>
    <message>
        <source>기동(TP)</source>
        <translation>启动(TP)</translation>
    </message>
    <message>
        <source>정지(TP)</source>
        <translation>停止(TP)</translation>
    </message>
    <message>
        <source>인에이블스위치(TP)</source>
        <translation>使能开关(TP)</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MC1(PreCharge)</source>
        <translation>MC1(预充电)</translation>
    </message>
    <message>
        <source>MC2(Motors Power)</source>
        <translation>MC2(电机电源)</translation>
    </message>
    <message>
        <source>안전가드(자동)</source>
        <translation>安全防护(自动)</translation>
    </message>
    <message>
        <source>안전가드(일반)</source>
        <translation>安全防护(一般)</translation>
    </message>
    <message>
        <source>비상정지(TP)</source>
        <translation>急停(TP)</translation>
    </message>
    <message>
        <source>비상정지(OP)</source>
        <translation>急停(OP)</translation>
    </message>
    <message>
        <source>비상정지(외부)</source>
        <translation>急停(外部)</translation>
    </message>
    <message>
        <source>리밋(Over-Travel)</source>
        <translation>限位(超程)</translation>
    </message>
    <message>
        <source>리밋(Over-Travel)부가</source>
        <translation>限位(超程)附加轴</translation>
    </message>
    <message>
        <source>승강축벨트/리밋(Arm)</source>
        <translation>升降轴皮带/限位(手臂)</translation>
    </message>
    <message>
        <source>리밋(Over-Traval)확장</source>
        <translation>限位(超程)扩展</translation>
    </message>
    <message>
        <source>모터과열(TS)</source>
        <translation>电机过热(TS)</translation>
    </message>
    <message>
        <source>모터과열(TS)부가</source>
        <translation>电机过热(TS)附加轴</translation>
    </message>
    <message>
        <source>브레이크 전압저하</source>
        <translation>抱闸电压过低</translation>
    </message>
    <message>
        <source>로봇팬(R-FAN)고장</source>
        <translation>机器人风扇(R-FAN)故障</translation>
    </message>
    <message>
        <source>과부하(Motors전원)</source>
        <translation>过载(电机电源)</translation>
    </message>
    <message>
        <source>과부하(Brakes전원)</source>
        <translation>过载(抱闸电源)</translation>
    </message>
    <message>
        <source>과부하(Control전원)</source>
        <translation>过载(控制电源)</translation>
    </message>
    <message>
        <source>과부하(SMPS전원)</source>
        <translation>过载(SMPS电源)</translation>
    </message>
    <message>
        <source>FLT(AMP Fault)</source>
        <translation>FLT(驱动器故障)</translation>
    </message>
    <message>
        <source>OV(AMP OverVoltage)</source>
        <translation>OV(驱动器过电压)</translation>
    </message>
    <message>
        <source>UV(AMP UnderVoltage)</source>
        <translation>UV(驱动器欠电压)</translation>
    </message>
    <message>
        <source>OC(AMP OverCurrent)</source>
        <translation>OC(驱动器过电流)</translation>
    </message>
    <message>
        <source>SV_BK(서보브레이크제어)</source>
        <translation>SV_BK(伺服抱闸控制)</translation>
    </message>
    <message>
        <source>/SVON(서보ON)</source>
        <translation>/SVON(伺服 ON)</translation>
    </message>
    <message>
        <source>컨버터 타입 확인</source>
        <translation>变流器类型确认</translation>
    </message>
    <message>
        <source>/PWMON</source>
        <translation>/PWMON</translation>
    </message>
    <message>
        <source>OP보드 연결확인</source>
        <translation>OP板连接确认</translation>
    </message>
    <message>
        <source>ESCAPE</source>
        <translation>ESCAPE</translation>
    </message>
    <message>
        <source>예약 1</source>
        <translation>预留 1</translation>
    </message>
    <message>
        <source>예약 2</source>
        <translation>预留 2</translation>
    </message>
    <message>
        <source>예약 3</source>
        <translation>预留 3</translation>
    </message>
    <message>
        <source>예약 4</source>
        <translation>预留 4</translation>
    </message>
    <message>
        <source>시스템 이상</source>
        <translation>系统异常</translation>
    </message>
    <message>
        <source>MCON1(PreCharge)</source>
        <translation>MCON1(预充电)</translation>
    </message>
    <message>
        <source>MCON2(Motors Power)</source>
        <translation>MCON2(电机电源)</translation>
    </message>
    <message>
        <source>HIGH Speed 1</source>
        <translation>高速 1</translation>
    </message>
    <message>
        <source>HIGH Speed 2</source>
        <translation>高速 2</translation>
    </message>
    <message>
        <source>ESCON1(Release1)</source>
        <translation>ESCON1(解除1)</translation>
    </message>
    <message>
        <source>ESCON2(Release2)</source>
        <translation>ESCON2(解除2)</translation>
    </message>
    <message>
        <source>브레이크제어 1</source>
        <translation>抱闸控制 1</translation>
    </message>
    <message>
        <source>브레이크제어 2</source>
        <translation>抱闸控制 2</translation>
    </message>
    <message>
        <source>브레이크제어 3</source>
        <translation>抱闸控制 3</translation>
    </message>
    <message>
        <source>브레이크제어 4</source>
        <translation>抱闸控制 4</translation>
    </message>
    <message>
        <source>브레이크제어 5</source>
        <translation>抱闸控制 5</translation>
    </message>
    <message>
        <source>브레이크제어 6</source>
        <translation>抱闸控制 6</translation>
    </message>
    <message>
        <source>브레이크제어 7</source>
        <translation>抱闸控制 7</translation>
    </message>
    <message>
        <source>브레이크제어 8</source>
        <translation>抱闸控制 8</translation>
    </message>
    <message>
        <source>원격 자동모드 1</source>
        <translation>远程自动模式 1</translation>
    </message>
    <message>
        <source>원격 자동모드 2</source>
        <translation>远程自动模式 2</translation>
    </message>
    <message>
        <source>냉각팬 꺼짐</source>
        <translation>冷却风扇关闭</translation>
    </message>
    <message>
        <source>RunTo</source>
        <translation>运行至</translation>
    </message>
    <message>
        <source>JogInch</source>
        <translation>点动/寸动</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>EmgStop</source>
        <translation>急停</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>远程</translation>
    </message>
    <message>
        <source>AutoMode</source>
        <translation>自动模式</translation>
    </message>
    <message>
        <source>PlayBack</source>
        <translation>再现</translation>
    </message>
    <message>
        <source>MotOn</source>
        <translation>电机 ON</translation>
    </message>
    <message>
        <source>SI1. WRC</source>
        <translation>SI1. WRC</translation>
    </message>
    <message>
        <source>SI2. Shock Sensor</source>
        <translation>SI2. 防碰撞传感器</translation>
    </message>
    <message>
        <source>SI3. Wire Stick</source>
        <translation>SI3. 粘丝</translation>
    </message>
    <message>
        <source>SI4. Welder Error</source>
        <translation>SI4. 焊机异常</translation>
    </message>
    <message>
        <source>SI5. Wire State</source>
        <translation>SI5. 焊丝状态</translation>
    </message>
    <message>
        <source>SI6. Gas State</source>
        <translation>SI6. 气体状态</translation>
    </message>
    <message>
        <source>SI7. Reserved</source>
        <translation>SI7. 预留</translation>
    </message>
    <message>
        <source>SI8. Reserved</source>
        <translation>SI8. 预留</translation>
    </message>
    <message>
        <source>SO1. Torch Switch</source>
        <translation>SO1. 焊枪开关</translation>
    </message>
    <message>
        <source>SO2. Inching</source>
        <translation>SO2. 点动送丝</translation>
    </message>
    <message>
        <source>SO3. Retract</source>
        <translation>SO3. 退丝</translation>
    </message>
    <message>
        <source>SO4. Stick Check</source>
        <translation>SO4. 粘丝检测</translation>
    </message>
    <message>
        <source>SO5. Gas Check</source>
        <translation>SO5. 气体检测</translation>
    </message>
    <message>
        <source>SO6. Reserved</source>
        <translation>SO6. 预留</translation>
    </message>
    <message>
        <source>SO7. Reserved</source>
        <translation>SO7. 预留</translation>
    </message>
    <message>
        <source>SO8. Reserved</source>
        <translation>SO8. 预留</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>系统输入</translation>
    </message>
    <message>
        <source>System Output</source>
        <translation>系统输出</translation>
    </message>
    <message>
        <source>General I/O</source>
        <translation>通用 I/O</translation>
    </message>
    <message>
        <source>Arc In/Output Signal</source>
        <translation>弧焊输入/输出信号</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
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
        <translation>模拟信号</translation>
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
        <translation>打开文件</translation>
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
        <translation>详细信息</translation>
    </message>
    <message>
        <source>HISTORY.TXT</source>
        <translation>HISTORY.TXT</translation>
    </message>
    <message>
        <source>General Digital Input(DI1 ~ DI256)</source>
        <translation>通用数字输入(DI1 ~ DI256)</translation>
    </message>
    <message>
        <source>General Digital Output(DO1 ~ DO256)</source>
        <translation>通用数字输出(DO1 ~ DO256)</translation>
    </message>
    <message>
        <source>Arc Input Signal</source>
        <translation>弧焊输入信号</translation>
    </message>
    <message>
        <source>Arc Output Signal</source>
        <translation>弧焊输出信号</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Remedy</source>
        <translation>处理方法</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Gulim&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Remedy&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Gulim&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;处理方法&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>System Characteristic Data</source>
        <translation>系统特性数据</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日期/时间</translation>
    </message>
    <message>
        <source>ModeSel</source>
        <translation>模式选择</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
</context>
</TS>

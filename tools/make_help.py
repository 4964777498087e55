#!/usr/bin/env python3
"""Writes the help texts of the error and warning codes into resources/help/.

    python3 tools/make_help.py           write the eight XML files
    python3 tools/check_help.py          check the written files

The texts live in the tables at the end of this file, one block per code:

    @ 0120
    en.msg     Axis %d servo amplifier overcurrent
    ko.msg     ...
    zh.msg     ...
    en.cause   ...
    en.remedy  ...

Lines starting with whitespace continue the previous line. For the codes whose
help is a list of checks (see SPECIAL below) each item is an `xx.check` line
followed by its `xx.fix` line, in order, instead of one `xx.remedy` line.

Output layout
    Kav/HELP_ERR_Kav.xml, Kav/HELP_WARN_Kav.xml     English, code/msg/cause/remedy
    {kor,eng,chn}/HELP_ERR.xml, HELP_WARN.xml       code/msg/cause/remedy, and for the
                                                    listed codes check + <remedy no="n">
"""

import os
import sys
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
HELP_DIR = os.path.normpath(os.path.join(HERE, "..", "resources", "help"))

# Lum/Luma error codes whose help is a list of check/remedy items, in the order
# and with the item counts the program reads them at.
SPECIAL = [("0015", 3), ("1309", 2), ("1456", 2), ("1457", 2), ("1494", 10),
           ("2800", 3), ("10000", 2), ("10001", 2)]
SPECIAL_CODES = [c for c, _ in SPECIAL]

LUM_LANGS = [("en", "eng"), ("ko", "kor"), ("zh", "chn")]


def parse(text, langs):
    """Parses one table into a list of entries {code, <lang>: {...}}."""
    entries = []
    last = None                        # (dict, key, index) of the line to continue
    for lineno, raw in enumerate(text.splitlines(), 1):
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        if raw[0] in " \t":
            if last is None:
                raise SystemExit(f"line {lineno}: continuation without a line")
            d, key, i = last
            if i is None:
                d[key] += " " + raw.strip()
            else:
                d[key][i] += " " + raw.strip()
            continue
        if raw.startswith("@"):
            code = raw[1:].strip()
            entries.append({"code": code, **{l: {"check": [], "fix": []} for l in langs}})
            last = None
            continue
        head, _, value = raw.partition(" ")
        lang, _, field = head.partition(".")
        value = value.strip()
        if not entries or lang not in langs or not value or \
                field not in ("msg", "cause", "remedy", "check", "fix"):
            raise SystemExit(f"line {lineno}: cannot read {raw[:40]!r}")
        d = entries[-1][lang]
        if field in ("check", "fix"):
            d[field].append(value)
            last = (d, field, len(d[field]) - 1)
        else:
            if field in d:
                raise SystemExit(f"line {lineno}: {entries[-1]['code']} {head} given twice")
            d[field] = value
            last = (d, field, None)
    return entries


def entry_xml(tag, code, d, special):
    out = [f"  <{tag}>", f"    <code>{escape(code)}</code>",
           f"    <msg>{escape(d['msg'])}</msg>", f"    <cause>{escape(d['cause'])}</cause>"]
    if special:
        if len(d["check"]) != len(d["fix"]):
            raise SystemExit(f"{code}: {len(d['check'])} checks, {len(d['fix'])} fixes")
        for n, (c, f) in enumerate(zip(d["check"], d["fix"]), 1):
            out.append(f"    <check>{escape(c)}</check>")
            out.append(f'    <remedy no="{n}">{escape(f)}</remedy>')
    else:
        out.append(f"    <remedy>{escape(d['remedy'])}</remedy>")
    out.append(f"  </{tag}>")
    return out


def write(path, tag, entries, lang, specials):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<help>"]
    for e in entries:
        lines += entry_xml(tag, e["code"], e[lang], e["code"] in specials)
    lines.append("</help>")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    print(f"{os.path.relpath(path, HELP_DIR)}: {len(entries)} entries")


def main():
    lum_err = parse(LUM_ERRORS, [l for l, _ in LUM_LANGS])
    lum_warn = parse(LUM_WARNINGS, [l for l, _ in LUM_LANGS])
    kav_err = parse(KAV_ERRORS, ["en"])
    kav_warn = parse(KAV_WARNINGS, ["en"])
    for lang, folder in LUM_LANGS:
        write(os.path.join(HELP_DIR, folder, "HELP_ERR.xml"), "error", lum_err, lang,
              SPECIAL_CODES)
        write(os.path.join(HELP_DIR, folder, "HELP_WARN.xml"), "warning", lum_warn, lang, ())
    write(os.path.join(HELP_DIR, "Kav", "HELP_ERR_Kav.xml"), "error", kav_err, "en", ())
    write(os.path.join(HELP_DIR, "Kav", "HELP_WARN_Kav.xml"), "warning", kav_warn, "en", ())
    return 0


# ===========================================================================
# Lum/Luma errors
#   0001-0099 system, CPU, memory          0100-0199 servo amplifier and motor
#   0200-0299 encoder                      0300-0399 collision, shock
#   0400-0499 soft limit, over-travel      0500-0599 safety circuit
#   0600-0799 communication, fieldbus, TP  0800-0899 I/O
#   1000-1399 program, job, step           1400-1449 spot welding
#   1450-1599 arc welding and process signals, coordinated positioners
#   2800-2899 conveyor tracking            10000-10001 built-in PLC option
# ===========================================================================
LUM_ERRORS = r"""
@ 0001
en.msg CPU watchdog timeout
ko.msg CPU 워치독 타임아웃
zh.msg CPU看门狗超时
en.cause The main CPU board did not refresh its watchdog in time and the controller stopped all processing. Usual reasons are a failing CPU board, electrical noise on the control power, or a board not seated properly in the rack.
ko.cause 메인 CPU 보드가 정해진 시간 안에 워치독을 갱신하지 못하여 제어기가 모든 처리를 정지했습니다. CPU 보드 불량, 제어 전원의 노이즈, 랙에 보드가 제대로 장착되지 않은 경우가 주된 원인입니다.
zh.cause 主CPU板未能在规定时间内刷新看门狗，控制柜停止了全部处理。常见原因为CPU板故障、控制电源上的电气干扰或板卡未在机架中插牢。
en.remedy Switch the controller off and on and note whether the error returns. If it repeats, check the 24 V control supply and the earth connections of the cabinet, reseat the CPU board, and replace the board if the error persists.
ko.remedy 제어기 전원을 껐다 켜고 에러가 재발하는지 확인하십시오. 재발하면 24 V 제어 전원과 캐비닛 접지 상태를 점검하고 CPU 보드를 다시 장착하며, 그래도 계속되면 CPU 보드를 교체하십시오.
zh.remedy 将控制柜断电后重新上电，观察报警是否再次出现。如反复出现，请检查24 V控制电源和控制柜接地，重新插牢CPU板；仍无法消除时更换CPU板。

@ 0002
en.msg System memory (RAM) error
ko.msg 시스템 메모리(RAM) 이상
zh.msg 系统内存（RAM）异常
en.cause The memory self-test or a parity check on the CPU board found a read/write error in the working memory. The memory module or the CPU board is faulty, or the board overheated.
ko.cause CPU 보드의 메모리 자기 진단 또는 패리티 검사에서 작업 메모리의 읽기/쓰기 오류가 검출되었습니다. 메모리 모듈이나 CPU 보드의 불량, 또는 보드 과열이 원인입니다.
zh.cause CPU板的内存自检或奇偶校验发现工作内存读写错误。原因为内存模块或CPU板故障，或板卡过热。
en.remedy Take a full backup if the controller still starts, then switch off and reseat the memory module. Check the cabinet fans and filters; if the error returns, replace the memory module or the CPU board.
ko.remedy 제어기가 기동되면 먼저 전체 백업을 받은 후 전원을 끄고 메모리 모듈을 다시 장착하십시오. 캐비닛 팬과 필터를 점검하고, 에러가 재발하면 메모리 모듈 또는 CPU 보드를 교체하십시오.
zh.remedy 如控制柜仍能启动，先做一次完整备份，然后断电并重新插牢内存模块。检查控制柜风扇和过滤网；如报警再次出现，更换内存模块或CPU板。

@ 0003
en.msg Backup memory checksum error
ko.msg 백업 메모리 체크섬 이상
zh.msg 备份存储器校验和错误
en.cause The data kept in the battery-backed memory (variables, counters, current program pointer) does not match its checksum at power-on. The backup battery on the CPU board ran down while the controller was off, or the power was cut during a write.
ko.cause 전원 투입 시 배터리 백업 메모리의 데이터(변수, 카운터, 현재 프로그램 포인터)가 체크섬과 일치하지 않습니다. 제어기 전원이 꺼져 있는 동안 CPU 보드의 백업 배터리가 소모되었거나, 기록 중에 전원이 차단되었습니다.
zh.cause 上电时电池保持存储器中的数据（变量、计数器、当前程序指针）与校验和不一致。原因为控制柜断电期间CPU板上的备份电池电量耗尽，或写入过程中电源被切断。
en.remedy Measure the backup battery on the CPU board (replace it below 3.0 V), then reload the variables and counters from the latest backup. Check that the robot restarts from the right program and step before running in automatic mode.
ko.remedy CPU 보드의 백업 배터리 전압을 측정하여 3.0 V 미만이면 교체하고, 최신 백업에서 변수와 카운터를 다시 로드하십시오. 자동 운전 전에 올바른 프로그램과 스텝에서 재기동되는지 확인하십시오.
zh.remedy 测量CPU板上的备份电池电压，低于3.0 V时更换，然后从最新备份中重新载入变量和计数器。自动运行前确认机器人从正确的程序和步骤重新开始。

@ 0005
en.msg System file missing or damaged
ko.msg 시스템 파일 없음 또는 손상
zh.msg 系统文件丢失或损坏
en.cause A file the controller software needs at start-up (parameters, machine data or a software module) could not be read from the internal storage. The storage is failing, or a software update or file transfer was interrupted.
ko.cause 제어기 소프트웨어가 기동 시 필요로 하는 파일(파라미터, 기계 데이터, 소프트웨어 모듈)을 내부 저장 장치에서 읽을 수 없습니다. 저장 장치 불량이거나 소프트웨어 업데이트 또는 파일 전송이 중단되었습니다.
zh.cause 控制器软件启动时需要的文件（参数、机械数据或软件模块）无法从内部存储器读取。原因为存储器故障，或软件升级、文件传输过程被中断。
en.remedy Restore the system files from the latest full backup with the controller in maintenance start mode. If the storage reports write or read errors again, replace the storage card and reload the software and the backup.
ko.remedy 제어기를 유지보수 기동 모드로 기동하여 최신 전체 백업에서 시스템 파일을 복원하십시오. 저장 장치에서 읽기/쓰기 오류가 다시 발생하면 저장 카드를 교체하고 소프트웨어와 백업을 다시 로드하십시오.
zh.remedy 以维护启动模式启动控制柜，从最新的完整备份中恢复系统文件。如存储器再次报读写错误，更换存储卡并重新装入软件和备份。

@ 0008
en.msg Power failure detected
ko.msg 정전 검출
zh.msg 检测到电源断电
en.cause The controller detected that the AC input voltage dropped below the allowed level and performed a power-failure shutdown. Causes are a plant supply interruption, a tripped breaker, a loose terminal at the main switch, or a large load starting on the same feeder.
ko.cause 제어기가 AC 입력 전압이 허용치 이하로 떨어진 것을 검출하여 정전 처리를 실행했습니다. 공장 전원 순간 정전, 차단기 트립, 메인 스위치 단자 풀림, 같은 피더에서 대용량 부하 기동 등이 원인입니다.
zh.cause 控制柜检测到交流输入电压低于允许值，执行了断电处理。原因可能是工厂供电中断、断路器跳闸、主开关端子松动，或同一馈电线路上有大负载启动。
en.remedy Measure the three phase voltages at the main switch during operation and tighten the input terminals. If dips coincide with other machines starting, supply the robot from a separate feeder or ask plant maintenance to check the supply.
ko.remedy 운전 중 메인 스위치에서 3상 전압을 측정하고 입력 단자를 조이십시오. 다른 설비 기동 시 전압 강하가 발생하면 로봇 전원을 별도 피더에서 공급하거나 공장 설비 담당자에게 전원 점검을 요청하십시오.
zh.remedy 在运行中测量主开关处的三相电压，并紧固输入端子。如电压跌落与其他设备启动同时发生，请将机器人改由单独的馈电线路供电，或请工厂设备部门检查供电。

@ 0010
en.msg Control power 24 V out of range
ko.msg 제어 전원 24 V 범위 이상
zh.msg 控制电源24 V超出范围
en.cause The 24 V DC control supply in the cabinet is below about 21.6 V or above about 26.4 V. The power supply unit is failing or overloaded, for example by a short circuit in the external I/O wiring or the teach pendant cable.
ko.cause 캐비닛 내부 24 V DC 제어 전원이 약 21.6 V 미만이거나 약 26.4 V를 초과합니다. 전원 유닛의 불량이나 과부하가 원인이며, 외부 I/O 배선 또는 티치 펜던트 케이블의 단락으로 과부하가 걸리는 경우가 있습니다.
zh.cause 控制柜内24 V直流控制电源低于约21.6 V或高于约26.4 V。原因为电源单元故障或过载，例如外部I/O接线或示教器电缆短路。
en.remedy Measure the 24 V at the power supply output terminals with the external loads connected and disconnected. If the voltage recovers with loads removed, find the short in the external wiring; otherwise replace the power supply unit.
ko.remedy 외부 부하를 연결한 상태와 분리한 상태에서 전원 유닛 출력 단자의 24 V를 측정하십시오. 부하를 분리했을 때 전압이 회복되면 외부 배선의 단락 부위를 찾고, 그렇지 않으면 전원 유닛을 교체하십시오.
zh.remedy 分别在接入和断开外部负载的情况下测量电源单元输出端子的24 V电压。如断开负载后电压恢复，请查找外部接线中的短路点；否则更换电源单元。

@ 0015
en.msg Motion processing time over
ko.msg 동작 처리 시간 초과
zh.msg 动作处理时间超限
en.cause The path planner could not finish the interpolation of the next motion within its cycle, so the program was halted to keep the motion smooth. The CPU load is too high for the current program and options.
ko.cause 경로 계획부가 다음 동작의 보간 계산을 제어 주기 안에 끝내지 못하여 동작의 연속성을 지키기 위해 프로그램을 정지했습니다. 현재 프로그램과 옵션에 비해 CPU 부하가 너무 높습니다.
zh.cause 轨迹规划未能在控制周期内完成下一段动作的插补计算，为保证动作平稳，程序被暂停。当前程序和选项使CPU负载过高。
en.check Does the program contain many very short linear or circular moves taught close together at high speed?
en.fix Delete unneeded intermediate steps, keep at least a few millimetres between steps, or lower the speed of that section so each move lasts longer than the planning cycle.
ko.check 프로그램에 매우 짧은 직선 또는 원호 이동이 고속으로 촘촘하게 교시되어 있지 않습니까?
ko.fix 불필요한 중간 스텝을 삭제하고 스텝 간격을 수 mm 이상으로 하거나, 해당 구간의 속도를 낮추어 각 이동 시간이 계획 주기보다 길어지도록 하십시오.
zh.check 程序中是否有大量间距很短、速度很高的直线或圆弧运动步骤？
zh.fix 删除不必要的中间步骤，使步骤间距至少保持几毫米，或降低该段的速度，使每段运动的时间长于规划周期。
en.check Was a file transfer, backup, or monitoring session over the network running while the robot was in automatic operation?
en.fix Schedule backups and file transfers for breaks in production, and reduce the refresh rate of external monitoring software connected to the controller.
ko.check 자동 운전 중에 네트워크를 통한 파일 전송, 백업 또는 모니터링이 실행되고 있지 않았습니까?
ko.fix 백업과 파일 전송은 생산 휴지 시간에 실행하고, 제어기에 접속한 외부 모니터링 소프트웨어의 갱신 주기를 늘리십시오.
zh.check 机器人自动运行期间是否正在通过网络进行文件传输、备份或监控？
zh.fix 将备份和文件传输安排在生产间歇进行，并降低与控制柜连接的外部监控软件的刷新频率。
en.check Are load-heavy functions active at the same time (conveyor tracking, seam tracking, built-in PLC with a long ladder, many interference zones)?
en.fix Disable the functions that the program does not use, shorten the built-in PLC ladder, and check the CPU load display; if the load stays high, ask for a CPU board with more capacity.
ko.check 부하가 큰 기능(컨베이어 트래킹, 용접선 추적, 긴 래더의 내장 PLC, 다수의 간섭 영역)이 동시에 사용되고 있지 않습니까?
ko.fix 프로그램에서 사용하지 않는 기능을 해제하고 내장 PLC 래더를 줄인 후 CPU 부하 표시를 확인하십시오. 부하가 계속 높으면 처리 능력이 큰 CPU 보드로의 교체를 검토하십시오.
zh.check 是否同时启用了负载较大的功能（传送带跟踪、焊缝跟踪、梯形图较长的内置PLC、大量干涉区）？
zh.fix 关闭程序中未使用的功能，精简内置PLC梯形图，并查看CPU负载显示；如负载仍然很高，请考虑更换处理能力更强的CPU板。

@ 0020
en.msg Main CPU to servo board communication error
ko.msg 메인 CPU-서보 보드 간 통신 이상
zh.msg 主CPU与伺服板通信异常
en.cause The servo control board did not receive position commands from the main CPU in time, or the answers were corrupted. A loose backplane connection, a faulty board, or noise in the cabinet are the usual causes.
ko.cause 서보 제어 보드가 메인 CPU로부터 위치 지령을 제시간에 받지 못했거나 응답 데이터가 손상되었습니다. 백플레인 접속 불량, 보드 불량, 캐비닛 내 노이즈가 주된 원인입니다.
zh.cause 伺服控制板未能按时收到主CPU的位置指令，或应答数据损坏。常见原因为背板连接松动、板卡故障或控制柜内电气干扰。
en.remedy Switch off, reseat the CPU and servo boards and check the board connectors for bent pins. Route motor and welding cables away from the control boards; replace the servo board and then the CPU board if the error returns.
ko.remedy 전원을 끄고 CPU 보드와 서보 보드를 다시 장착한 후 커넥터 핀의 휨을 확인하십시오. 모터 케이블과 용접 케이블을 제어 보드에서 떨어뜨려 배선하고, 에러가 재발하면 서보 보드, 다음으로 CPU 보드를 교체하십시오.
zh.remedy 断电后重新插牢CPU板和伺服板，检查连接器针脚有无弯曲。电机电缆和焊接电缆应远离控制板布线；如报警再次出现，先更换伺服板，再更换CPU板。

@ 0040
en.msg System parameter data error
ko.msg 시스템 파라미터 데이터 이상
zh.msg 系统参数数据错误
en.cause A system parameter (axis configuration, gear ratio, motor type, limits) is out of its allowed range or inconsistent with the connected hardware. It usually follows a parameter change or loading a backup from another robot.
ko.cause 시스템 파라미터(축 구성, 감속비, 모터 형식, 리미트)가 허용 범위를 벗어났거나 연결된 하드웨어와 맞지 않습니다. 대개 파라미터 변경 후나 다른 로봇의 백업을 로드한 후에 발생합니다.
zh.cause 某个系统参数（轴配置、减速比、电机型号、限位）超出允许范围，或与所连接的硬件不符。通常发生在修改参数或载入其他机器人的备份之后。
en.remedy Open the parameter check screen to see which parameter is rejected, and compare it with the robot's nameplate and the last known good backup. Correct the value or restore the parameter file of this robot, then restart the controller.
ko.remedy 파라미터 점검 화면에서 어느 파라미터가 거부되었는지 확인하고 로봇 명판 및 정상 시점의 백업과 비교하십시오. 값을 수정하거나 해당 로봇의 파라미터 파일을 복원한 후 제어기를 재기동하십시오.
zh.remedy 在参数检查画面中查看被拒绝的参数，并与机器人铭牌和最近一次正常的备份对比。修正该值或恢复本机器人的参数文件，然后重新启动控制柜。

@ 0101
en.msg Servo main power not ready
ko.msg 서보 주전원 준비 안 됨
zh.msg 伺服主电源未就绪
en.cause The converter did not report the main circuit as charged within the time allowed after motors-on was requested. The main contactor did not close, one input phase is missing, or the converter's pre-charge circuit is faulty.
ko.cause 모터 ON 요구 후 허용 시간 안에 컨버터가 주회로 충전 완료를 알리지 않았습니다. 주 접촉기가 닫히지 않았거나, 입력 상이 결상되었거나, 컨버터의 초기 충전 회로가 불량입니다.
zh.cause 请求伺服上电后，变流器未在规定时间内报告主回路充电完成。原因为主接触器未吸合、输入缺相，或变流器的预充电回路故障。
en.remedy Measure the three input phases at the converter terminals and check that the main contactor closes when motors-on is pressed. Check the contactor coil supply and the converter status LEDs; replace the contactor or the converter as indicated.
ko.remedy 컨버터 단자에서 입력 3상 전압을 측정하고 모터 ON 시 주 접촉기가 닫히는지 확인하십시오. 접촉기 코일 전원과 컨버터 상태 LED를 점검하여 해당 부품(접촉기 또는 컨버터)을 교체하십시오.
zh.remedy 在变流器端子处测量三相输入电压，并确认按下伺服上电时主接触器吸合。检查接触器线圈电源和变流器状态指示灯，根据结果更换接触器或变流器。

@ 0102
en.msg Servo main circuit voltage low
ko.msg 서보 주회로 전압 저하
zh.msg 伺服主回路电压过低
en.cause The DC bus voltage of the servo power supply fell below its lower limit while the motors were on. Causes are a supply dip or missing phase, a loose input terminal, or a converter that can no longer hold the bus under load.
ko.cause 모터 ON 상태에서 서보 전원의 DC 버스 전압이 하한치 아래로 떨어졌습니다. 전원 순간 저하나 결상, 입력 단자 풀림, 또는 부하 시 버스 전압을 유지하지 못하는 컨버터 불량이 원인입니다.
zh.cause 伺服上电状态下，伺服电源的直流母线电压低于下限。原因为供电电压跌落或缺相、输入端子松动，或变流器在负载下无法维持母线电压。
en.remedy Measure the three phase voltages at the cabinet input during a fast motion and tighten the input and converter terminals. If the supply is stable and the error returns, replace the converter unit.
ko.remedy 고속 동작 중 캐비닛 입력의 3상 전압을 측정하고 입력 단자와 컨버터 단자를 조이십시오. 전원이 안정적인데도 에러가 재발하면 컨버터 유닛을 교체하십시오.
zh.remedy 在高速动作时测量控制柜输入端的三相电压，并紧固输入端子和变流器端子。如供电稳定而报警仍再次出现，更换变流器单元。

@ 0103
en.msg Servo main circuit overvoltage
ko.msg 서보 주회로 과전압
zh.msg 伺服主回路过电压
en.cause The DC bus voltage rose above its upper limit, normally because the energy returned by decelerating motors was not absorbed. The regenerative resistor or its transistor is open, or the supply voltage is too high.
ko.cause DC 버스 전압이 상한치를 초과했습니다. 대개 감속하는 모터에서 돌아오는 회생 에너지가 소비되지 못한 경우로, 회생 저항이나 회생 트랜지스터의 단선, 또는 전원 전압 과대가 원인입니다.
zh.cause 直流母线电压超过上限，通常是电机减速时回馈的能量未被吸收。原因为再生电阻或再生晶体管开路，或供电电压过高。
en.remedy With the power off and the bus discharged, measure the regenerative resistor (compare with the value on its label) and check its wiring. Check the input voltage against the nameplate; replace the resistor or the converter as found.
ko.remedy 전원을 끄고 DC 버스가 방전된 후 회생 저항의 저항값을 측정하여 라벨 값과 비교하고 배선을 점검하십시오. 입력 전압을 명판과 비교하고, 결과에 따라 회생 저항 또는 컨버터를 교체하십시오.
zh.remedy 断电并待母线放电完毕后，测量再生电阻阻值（与标签上的数值比较）并检查其接线。核对输入电压与铭牌是否相符，根据结果更换再生电阻或变流器。

@ 0104
en.msg Main contactor fault
ko.msg 주 접촉기 이상
zh.msg 主接触器故障
en.cause The feedback contact of the main contactor does not match its command: it did not open after motors-off, or did not close after motors-on. The contacts may be welded, or the feedback wiring is loose.
ko.cause 주 접촉기의 피드백 접점이 지령과 일치하지 않습니다. 모터 OFF 후 열리지 않았거나 모터 ON 후 닫히지 않았으며, 접점 용착 또는 피드백 배선 풀림이 원인입니다.
zh.cause 主接触器的反馈触点与指令不一致：伺服断电后未断开，或伺服上电后未吸合。可能是触点熔焊或反馈接线松动。
en.remedy Do not run the robot: a welded contactor defeats the safety stop. Check the contactor feedback wiring and, with power isolated, the contacts; replace the main contactor.
ko.remedy 로봇을 운전하지 마십시오. 접촉기가 용착되면 안전 정지가 기능하지 않습니다. 접촉기 피드백 배선을 점검하고 전원을 차단한 상태에서 접점을 확인한 후 주 접촉기를 교체하십시오.
zh.remedy 请勿运行机器人：接触器熔焊会使安全停止失效。检查接触器反馈接线，在切断电源的状态下检查触点，并更换主接触器。

@ 0105
en.msg Servo unit control power fault
ko.msg 서보 유닛 제어 전원 이상
zh.msg 伺服单元控制电源异常
en.cause The control power of the servo amplifier unit (logic supply) dropped or is out of range. The supply cable to the unit is loose, its fuse has blown, or the power supply in the unit is faulty.
ko.cause 서보 앰프 유닛의 제어 전원(로직 전원)이 저하되었거나 범위를 벗어났습니다. 유닛으로 가는 전원 케이블 풀림, 퓨즈 단선, 유닛 내부 전원 불량이 원인입니다.
zh.cause 伺服放大器单元的控制电源（逻辑电源）下降或超出范围。原因为单元供电电缆松动、保险丝熔断或单元内部电源故障。
en.remedy Check the control power connector of the servo unit and measure the voltage at it. Replace a blown fuse with one of the same rating after finding the cause; replace the servo unit if the supply is correct.
ko.remedy 서보 유닛의 제어 전원 커넥터를 점검하고 전압을 측정하십시오. 원인을 확인한 후 단선된 퓨즈는 동일 정격의 퓨즈로 교체하고, 전원이 정상이면 서보 유닛을 교체하십시오.
zh.remedy 检查伺服单元的控制电源连接器并测量其电压。查明原因后用相同额定值的保险丝更换熔断的保险丝；如供电正常，则更换伺服单元。

@ 0106
en.msg Servo unit cooling fan stopped
ko.msg 서보 유닛 냉각 팬 정지
zh.msg 伺服单元冷却风扇停转
en.cause The rotation signal of the cooling fan on the servo amplifier unit was lost. The fan is blocked by dust or has reached the end of its life, or its connector is loose.
ko.cause 서보 앰프 유닛 냉각 팬의 회전 신호가 없어졌습니다. 먼지로 팬이 막혔거나 수명이 다했거나 커넥터가 풀렸습니다.
zh.cause 伺服放大器单元冷却风扇的转速信号消失。风扇被灰尘堵塞或已到使用寿命，或连接器松动。
en.remedy Switch off, clean the fan and the heat sink fins and check the fan connector. Replace the fan if it does not turn freely or the error returns; do not run long without the fan, as the amplifier will overheat.
ko.remedy 전원을 끄고 팬과 방열판 핀을 청소한 후 팬 커넥터를 점검하십시오. 팬이 원활하게 돌지 않거나 에러가 재발하면 팬을 교체하십시오. 팬 없이 장시간 운전하면 앰프가 과열됩니다.
zh.remedy 断电后清洁风扇和散热片，检查风扇连接器。如风扇转动不顺畅或报警再次出现，请更换风扇；不可在风扇停转状态下长时间运行，否则放大器会过热。

@ 0107
en.msg Regenerative resistor overload
ko.msg 회생 저항 과부하
zh.msg 再生电阻过载
en.cause The energy dissipated in the regenerative resistor exceeded its rating over the monitoring period. Frequent hard decelerations of heavy axes (high speed, high acceleration, heavy payload, vertical moves) produce more regenerative energy than the resistor can take.
ko.cause 감시 시간 동안 회생 저항에서 소비된 에너지가 정격을 초과했습니다. 무거운 축의 잦은 급감속(고속, 높은 가속도, 큰 가반 중량, 수직 하강 동작)으로 저항 용량 이상의 회생 에너지가 발생했습니다.
zh.cause 在监视周期内再生电阻消耗的能量超过其额定值。重载轴频繁急减速（高速、高加速度、大负载、垂直下降动作）产生的再生能量超过电阻的承受能力。
en.remedy Lower the acceleration or speed of the steps with the largest decelerations, or insert a short wait between repeated fast moves. Check that the resistor's cooling is not blocked and that its resistance is correct; fit a larger resistor if the cycle cannot be changed.
ko.remedy 감속이 가장 큰 스텝의 가속도나 속도를 낮추거나, 반복되는 고속 동작 사이에 짧은 대기를 넣으십시오. 회생 저항의 냉각이 막혀 있지 않은지, 저항값이 정상인지 확인하고, 사이클을 변경할 수 없으면 대용량 회생 저항을 설치하십시오.
zh.remedy 降低减速量最大的步骤的加速度或速度，或在连续高速动作之间插入短暂等待。检查再生电阻散热是否受阻、阻值是否正常；如无法修改节拍，则改装更大容量的再生电阻。

@ 0120
en.msg Axis %d servo amplifier overcurrent
ko.msg %d축 서보 앰프 과전류
zh.msg 第%d轴 伺服放大器过电流
en.cause The output current of the amplifier for this axis exceeded the hardware trip level. Typical causes are a short circuit or earth fault in the motor power cable or motor winding, a collision, or a failed power module in the amplifier.
ko.cause 해당 축 앰프의 출력 전류가 하드웨어 차단 레벨을 초과했습니다. 모터 동력 케이블 또는 모터 권선의 단락이나 지락, 충돌, 앰프 파워 모듈 불량이 주된 원인입니다.
zh.cause 该轴放大器的输出电流超过硬件保护值。常见原因为电机动力电缆或电机绕组短路或接地、发生碰撞，或放大器功率模块损坏。
en.remedy With power off, measure the insulation of the motor power lines U, V, W to earth with a 500 V insulation tester (at least 1 megohm) and the phase-to-phase resistance at the amplifier connector. If the motor and cable are good, replace the amplifier; check the robot cable where it bends at the base and axis 3.
ko.remedy 전원을 끄고 500 V 절연저항계로 모터 동력선 U, V, W의 대지 절연저항(1 MΩ 이상)과 앰프 커넥터에서의 상간 저항을 측정하십시오. 모터와 케이블이 정상이면 앰프를 교체하고, 베이스와 3축 부근 케이블 굴곡부도 점검하십시오.
zh.remedy 断电后用500 V兆欧表测量电机动力线U、V、W对地绝缘电阻（不低于1 MΩ），并在放大器连接器处测量相间电阻。如电机和电缆正常，则更换放大器；同时检查底座和第3轴附近电缆的弯曲部位。

@ 0121
en.msg Axis %d position deviation too large
ko.msg %d축 위치 편차 과대
zh.msg 第%d轴 位置偏差过大
en.cause The difference between the commanded and the actual position of this axis exceeded the allowed following error. The axis is blocked or overloaded, the brake did not release, the payload is heavier than set, or the motor or encoder connection is faulty.
ko.cause 해당 축의 지령 위치와 실제 위치의 차이가 허용 추종 오차를 초과했습니다. 축의 구속 또는 과부하, 브레이크 미해제, 설정보다 무거운 가반 중량, 모터나 엔코더 접속 불량이 원인입니다.
zh.cause 该轴的指令位置与实际位置之差超过允许的跟随误差。原因为轴被卡住或过载、抱闸未松开、实际负载大于设定值，或电机、编码器连接不良。
en.remedy Check that the axis is not touching a fixture, cable or stopper and that the tool load data matches the real tool. Jog the axis slowly and listen for the brake releasing; if it drags, check the brake supply, otherwise check the motor and encoder connectors.
ko.remedy 축이 지그, 케이블, 스토퍼에 닿아 있지 않은지, 툴 부하 데이터가 실제 툴과 일치하는지 확인하십시오. 저속으로 조그하면서 브레이크 해제음을 확인하고, 끌리면 브레이크 전원을, 그렇지 않으면 모터와 엔코더 커넥터를 점검하십시오.
zh.remedy 确认该轴没有碰到夹具、电缆或机械挡块，且工具负载数据与实际工具一致。低速点动该轴并听抱闸松开的声音；如有拖滞，检查抱闸电源，否则检查电机和编码器连接器。

@ 0122
en.msg Axis %d motor overload
ko.msg %d축 모터 과부하
zh.msg 第%d轴 电机过载
en.cause The calculated thermal load of the motor (current over time) exceeded its continuous rating. The cycle is too demanding for the axis, the payload or tool load data is wrong, or mechanical friction has increased (reducer damage, dry grease, dragging brake).
ko.cause 전류와 시간으로 계산한 모터의 열 부하가 연속 정격을 초과했습니다. 축에 비해 사이클이 가혹하거나, 가반 중량 또는 툴 부하 데이터가 틀렸거나, 감속기 손상, 그리스 부족, 브레이크 끌림 등으로 기계적 마찰이 증가했습니다.
zh.cause 根据电流和时间计算的电机热负载超过其连续额定值。原因为节拍对该轴要求过高、负载或工具负载数据有误，或机械摩擦增大（减速机损坏、润滑脂不足、抱闸拖滞）。
en.remedy Compare the tool load data with the real tool and workpiece, and check the load monitor of the axis during the cycle. Reduce speed or acceleration, or add waits in the heavy section; if the load rose without a program change, inspect the reducer and the brake.
ko.remedy 툴 부하 데이터를 실제 툴 및 공작물과 비교하고 사이클 중 해당 축의 부하 모니터를 확인하십시오. 부하가 큰 구간의 속도나 가속도를 낮추거나 대기를 추가하고, 프로그램 변경 없이 부하가 증가했다면 감속기와 브레이크를 점검하십시오.
zh.remedy 将工具负载数据与实际工具和工件对比，并在循环运行中查看该轴的负载监视。降低重载区段的速度或加速度，或增加等待；如未修改程序而负载上升，请检查减速机和抱闸。

@ 0123
en.msg Axis %d speed deviation too large
ko.msg %d축 속도 편차 과대
zh.msg 第%d轴 速度偏差过大
en.cause The actual speed of the motor differed from the commanded speed by more than the allowed value. The axis hit an obstacle or is dragged by an external force, the acceleration is beyond what the motor can deliver with this payload, or the encoder signal is disturbed.
ko.cause 모터의 실제 속도가 지령 속도와 허용치 이상 차이가 났습니다. 축이 장애물에 부딪혔거나 외력에 끌렸거나, 현재 가반 중량으로는 모터가 낼 수 없는 가속도이거나, 엔코더 신호에 노이즈가 있습니다.
zh.cause 电机实际速度与指令速度之差超过允许值。原因为轴碰到障碍物或受外力拖动、在当前负载下加速度超出电机能力，或编码器信号受干扰。
en.remedy Check the robot and tool for contact with the workpiece or fixture at the position of the error. Check the payload setting and lower the acceleration of that step; if it happens at random positions, check the encoder cable shield and earth.
ko.remedy 에러 발생 위치에서 로봇과 툴이 공작물이나 지그와 접촉하지 않았는지 확인하십시오. 가반 중량 설정을 확인하고 해당 스텝의 가속도를 낮추며, 임의의 위치에서 발생하면 엔코더 케이블 실드와 접지를 점검하십시오.
zh.remedy 检查出错位置处机器人和工具是否与工件或夹具接触。确认负载设定并降低该步骤的加速度；如在任意位置都会发生，请检查编码器电缆屏蔽层和接地。

@ 0124
en.msg Axis %d servo amplifier overheat
ko.msg %d축 서보 앰프 과열
zh.msg 第%d轴 伺服放大器过热
en.cause The heat sink temperature of the amplifier for this axis exceeded its limit. The cabinet fans or filters are blocked, the cabinet is too hot, or the axis runs near its overload limit for long periods.
ko.cause 해당 축 앰프의 방열판 온도가 한계를 초과했습니다. 캐비닛 팬이나 필터가 막혔거나, 캐비닛 온도가 너무 높거나, 축이 장시간 과부하 한계 부근에서 운전되고 있습니다.
zh.cause 该轴放大器散热片温度超过限值。原因为控制柜风扇或过滤网堵塞、柜内温度过高，或该轴长时间在接近过载的状态下运行。
en.remedy Clean or replace the cabinet air filters, check that all fans run, and keep the cabinet doors closed so the air flows over the heat sinks. Check the ambient temperature (max. about 45 deg C) and the axis load; let the amplifier cool before restarting.
ko.remedy 캐비닛 에어 필터를 청소 또는 교체하고 모든 팬이 도는지 확인하며, 공기가 방열판을 지나도록 캐비닛 문을 닫아 두십시오. 주위 온도(최대 약 45℃)와 축 부하를 확인하고, 앰프가 식은 후 재기동하십시오.
zh.remedy 清洁或更换控制柜过滤网，确认所有风扇运转，并关闭柜门使气流经过散热片。检查环境温度（最高约45℃）和该轴负载，待放大器冷却后再重新启动。

@ 0125
en.msg Axis %d motor power line open
ko.msg %d축 모터 동력선 단선
zh.msg 第%d轴 电机动力线断线
en.cause The amplifier detected no current in one or more motor phases while it was driving the axis. A motor power connector is loose, or a wire in the robot cable is broken, often at a point where the cable bends.
ko.cause 앰프가 축을 구동하는 동안 하나 이상의 모터 상에서 전류가 검출되지 않았습니다. 모터 동력 커넥터가 풀렸거나 로봇 케이블 내부 선이 끊어졌으며, 케이블 굴곡부에서 단선되는 경우가 많습니다.
zh.cause 放大器驱动该轴时有一相或多相电机电流检测不到。原因为电机动力连接器松动，或机器人电缆内部断线，断点多位于电缆弯曲处。
en.remedy With power off, check the motor connector at the axis and at the cabinet, then measure the U-V, V-W and W-U resistance from the amplifier end; the three values should be equal. Replace the cable section with the open conductor.
ko.remedy 전원을 끄고 축 측과 캐비닛 측의 모터 커넥터를 점검한 후 앰프 쪽에서 U-V, V-W, W-U 저항을 측정하십시오. 세 값이 같아야 하며, 단선된 케이블 구간을 교체하십시오.
zh.remedy 断电后检查轴侧和控制柜侧的电机连接器，然后在放大器端测量U-V、V-W、W-U之间的电阻，三个值应相等。更换断线的电缆段。

@ 0126
en.msg Axis %d brake fault
ko.msg %d축 브레이크 이상
zh.msg 第%d轴 抱闸异常
en.cause The brake of this axis did not release or engage as commanded: the brake current is missing or too high, or the motor moved against a closed brake. The brake wiring or connector is faulty, the brake coil is open or shorted, or the brake supply fuse has blown.
ko.cause 해당 축의 브레이크가 지령대로 해제 또는 체결되지 않았습니다. 브레이크 전류가 없거나 과대하거나, 브레이크가 닫힌 상태에서 모터가 움직였습니다. 브레이크 배선이나 커넥터 불량, 브레이크 코일 단선 또는 단락, 브레이크 전원 퓨즈 단선이 원인입니다.
zh.cause 该轴抱闸未按指令松开或闭合：抱闸电流缺失或过大，或电机在抱闸闭合状态下转动。原因为抱闸接线或连接器不良、抱闸线圈开路或短路，或抱闸电源保险丝熔断。
en.remedy Measure the brake coil resistance at the motor connector and the brake voltage (usually 24 V) when motors are switched on. Check the brake fuse and the connector pins; replace the motor if the coil is open or shorted. Support the arm before working on a gravity-loaded axis.
ko.remedy 모터 커넥터에서 브레이크 코일 저항을 측정하고 모터 ON 시 브레이크 전압(통상 24 V)을 측정하십시오. 브레이크 퓨즈와 커넥터 핀을 점검하고, 코일이 단선 또는 단락되었으면 모터를 교체하십시오. 중력이 걸리는 축을 작업할 때는 반드시 암을 지지하십시오.
zh.remedy 在电机连接器处测量抱闸线圈电阻，并在伺服上电时测量抱闸电压（通常为24 V）。检查抱闸保险丝和连接器针脚；线圈开路或短路时更换电机。对受重力作用的轴作业前必须先支撑好手臂。

@ 0127
en.msg Axis %d motor earth fault
ko.msg %d축 모터 지락
zh.msg 第%d轴 电机接地故障
en.cause A leakage current from the motor power circuit of this axis to earth was detected. The insulation of the motor winding or the power cable is damaged, often by coolant, weld spatter or a cable worn through at a bend.
ko.cause 해당 축 모터 동력 회로에서 대지로의 누설 전류가 검출되었습니다. 모터 권선이나 동력 케이블의 절연이 손상되었으며, 절삭유, 용접 스패터, 굴곡부 케이블 마모가 흔한 원인입니다.
zh.cause 检测到该轴电机动力回路对地漏电流。电机绕组或动力电缆绝缘损坏，常见原因为冷却液、焊接飞溅或电缆在弯曲处磨破。
en.remedy With power off, disconnect the motor cable at the amplifier and measure insulation to earth with a 500 V tester, first with the cable and motor, then with the motor alone. Replace the part that reads below 1 megohm and protect the new cable from spatter.
ko.remedy 전원을 끄고 앰프에서 모터 케이블을 분리한 후 500 V 절연저항계로 케이블과 모터를 함께, 다음에 모터만 측정하십시오. 1 MΩ 미만인 부품을 교체하고 새 케이블은 스패터로부터 보호하십시오.
zh.remedy 断电后在放大器处拆下电机电缆，用500 V兆欧表先测量电缆加电机、再单独测量电机的对地绝缘。更换绝缘低于1 MΩ的部件，并对新电缆做好防飞溅保护。

@ 0128
en.msg Axis %d servo amplifier internal fault (detail %d)
ko.msg %d축 서보 앰프 내부 이상 (상세 %d)
zh.msg 第%d轴 伺服放大器内部故障（详细代码%d）
en.cause The amplifier's self-diagnosis found an internal fault; the detail number tells the area (1 current detection, 2 gate drive, 3 internal memory, 4 internal communication). It is a hardware fault of the amplifier, sometimes triggered by noise or a short in the motor circuit.
ko.cause 앰프의 자기 진단에서 내부 이상이 검출되었습니다. 상세 번호는 이상 부위를 나타냅니다(1 전류 검출, 2 게이트 구동, 3 내부 메모리, 4 내부 통신). 앰프 하드웨어 고장이며, 노이즈나 모터 회로 단락이 계기가 되기도 합니다.
zh.cause 放大器自诊断发现内部故障，详细代码表示故障部位（1 电流检测，2 门极驱动，3 内部存储器，4 内部通信）。属于放大器硬件故障，有时由电气干扰或电机回路短路引发。
en.remedy Switch the controller off and on once; if the error returns with the same detail number, replace the amplifier of this axis. Before fitting the new amplifier, check the motor insulation so a motor short does not destroy it too.
ko.remedy 제어기 전원을 한 번 껐다 켜고, 같은 상세 번호로 에러가 재발하면 해당 축의 앰프를 교체하십시오. 새 앰프를 장착하기 전에 모터 절연을 점검하여 모터 단락으로 새 앰프가 손상되지 않도록 하십시오.
zh.remedy 将控制柜断电再上电一次；如以相同的详细代码再次报警，更换该轴放大器。安装新放大器前先检查电机绝缘，以免电机短路再次损坏放大器。

@ 0129
en.msg Axis %d servo amplifier not ready
ko.msg %d축 서보 앰프 준비 안 됨
zh.msg 第%d轴 伺服放大器未就绪
en.cause The amplifier of this axis did not report ready when the motors were switched on. Its control power or main power is missing, its axis address is set wrongly, or it is still holding an earlier alarm.
ko.cause 모터 ON 시 해당 축의 앰프가 준비 완료를 알리지 않았습니다. 앰프의 제어 전원 또는 주전원이 없거나, 축 주소 설정이 틀렸거나, 이전 알람이 남아 있습니다.
zh.cause 伺服上电时该轴放大器未报告就绪。原因为放大器控制电源或主电源缺失、轴地址设定错误，或仍保持着之前的报警。
en.remedy Read the status display of the amplifier and clear any alarm shown there. Check its power and servo network connectors and the axis address switch against the wiring diagram, then switch the motors on again.
ko.remedy 앰프의 상태 표시를 읽고 표시된 알람을 해제하십시오. 전원 및 서보 네트워크 커넥터와 축 주소 스위치를 배선도와 대조한 후 다시 모터 ON 하십시오.
zh.remedy 读取放大器状态显示并清除其中的报警。对照接线图检查电源和伺服网络连接器以及轴地址开关，然后再次伺服上电。

@ 0130
en.msg Axis %d motor overspeed
ko.msg %d축 모터 과속도
zh.msg 第%d轴 电机超速
en.cause The motor speed of this axis exceeded its maximum allowed speed. The axis was pushed or pulled by an external force (falling under gravity after a brake problem, a collision), the speed gain parameters are wrong, or the encoder feedback is disturbed.
ko.cause 해당 축의 모터 속도가 최대 허용 속도를 초과했습니다. 외력에 의해 축이 밀리거나 끌렸거나(브레이크 이상 후 중력에 의한 낙하, 충돌), 속도 게인 파라미터가 틀렸거나, 엔코더 피드백에 노이즈가 있습니다.
zh.cause 该轴电机速度超过最大允许速度。原因为轴受外力推拉（抱闸异常后因重力下落、碰撞）、速度增益参数错误，或编码器反馈受干扰。
en.remedy Check whether the arm dropped or was hit at the error position and inspect the brake of this axis. Compare the servo gain parameters with the backup; check the encoder cable shield and connectors if neither explains it.
ko.remedy 에러 발생 위치에서 암이 처지거나 충돌하지 않았는지 확인하고 해당 축 브레이크를 점검하십시오. 서보 게인 파라미터를 백업과 비교하고, 원인이 없으면 엔코더 케이블 실드와 커넥터를 점검하십시오.
zh.remedy 检查出错位置处手臂是否下坠或受到撞击，并检查该轴抱闸。将伺服增益参数与备份比较；如均无异常，检查编码器电缆屏蔽层和连接器。
"""

LUM_ERRORS += r"""
@ 0201
en.msg Axis %d encoder communication error
ko.msg %d축 엔코더 통신 이상
zh.msg 第%d轴 编码器通信异常
en.cause The serial data from the encoder of this axis did not arrive or arrived corrupted several times in a row. The encoder cable or connector is damaged or loose, the cable shield is not earthed, or the encoder is faulty.
ko.cause 해당 축 엔코더의 시리얼 데이터가 연속으로 수신되지 않았거나 손상되었습니다. 엔코더 케이블 또는 커넥터의 손상이나 풀림, 케이블 실드 접지 불량, 엔코더 불량이 원인입니다.
zh.cause 该轴编码器的串行数据连续多次未收到或数据损坏。原因为编码器电缆或连接器损坏、松动，电缆屏蔽层未接地，或编码器故障。
en.remedy Check the encoder connectors at the motor, at the robot base and at the cabinet, and the shield clamp. Move the robot cable by hand while watching the encoder error counter to find an intermittent break; replace the cable, or the motor (encoder) if the cable is good.
ko.remedy 모터, 로봇 베이스, 캐비닛의 엔코더 커넥터와 실드 클램프를 점검하십시오. 엔코더 에러 카운터를 보면서 로봇 케이블을 손으로 움직여 간헐 단선 부위를 찾고, 케이블을 교체하거나 케이블이 정상이면 모터(엔코더)를 교체하십시오.
zh.remedy 检查电机、机器人底座和控制柜处的编码器连接器及屏蔽夹。一边观察编码器错误计数，一边用手移动机器人电缆，查找间歇性断线部位；更换电缆，如电缆正常则更换电机（编码器）。

@ 0202
en.msg Axis %d encoder data error
ko.msg %d축 엔코더 데이터 이상
zh.msg 第%d轴 编码器数据异常
en.cause The encoder of this axis sent position data that is inconsistent: a checksum error or a jump in position that the motor cannot physically make. Electrical noise on the encoder line or an encoder fault is the usual cause.
ko.cause 해당 축 엔코더가 모순된 위치 데이터를 보냈습니다. 체크섬 오류이거나 모터가 물리적으로 낼 수 없는 위치 변화입니다. 엔코더 선의 노이즈나 엔코더 불량이 주된 원인입니다.
zh.cause 该轴编码器发送的位置数据不一致：校验和错误，或位置跳变超出电机实际可能。常见原因为编码器线路受电气干扰或编码器故障。
en.remedy Check that the encoder cable is separated from welding and motor power cables and that its shield is clamped to earth at the cabinet. Check the welding earth return: it must not flow through the robot. Replace the motor (encoder) if the error repeats at rest.
ko.remedy 엔코더 케이블이 용접 케이블 및 모터 동력 케이블과 분리되어 있는지, 실드가 캐비닛에서 접지 클램프되어 있는지 확인하십시오. 용접 귀환 전류가 로봇을 통해 흐르지 않도록 어스를 확인하고, 정지 중에도 에러가 반복되면 모터(엔코더)를 교체하십시오.
zh.remedy 确认编码器电缆与焊接电缆、电机动力电缆分开布线，且屏蔽层在控制柜处接地夹紧。检查焊接回路接地，焊接回流不得经过机器人本体。如静止时仍反复报警，更换电机（编码器）。

@ 0203
en.msg Axis %d encoder battery depleted
ko.msg %d축 엔코더 배터리 소진
zh.msg 第%d轴 编码器电池耗尽
en.cause The backup voltage of the absolute encoder of this axis dropped so low while the controller was off that the multi-turn position may have been lost. The encoder battery was not replaced after the low-battery warning, or the battery cable is broken.
ko.cause 제어기 전원이 꺼져 있는 동안 해당 축 앱솔루트 엔코더의 백업 전압이 크게 떨어져 다회전 위치 데이터가 소실되었을 수 있습니다. 배터리 저하 경고 후 엔코더 배터리를 교체하지 않았거나 배터리 케이블이 단선되었습니다.
zh.cause 控制柜断电期间该轴绝对值编码器的备份电压过低，多圈位置数据可能已丢失。原因为出现电池电压低警告后未更换编码器电池，或电池电缆断线。
en.remedy Replace the encoder batteries (with the controller switched on, so no other axis loses its data), then reset the encoder alarm. Check the axis position against the zero marks and redo the zero calibration of this axis if it does not match.
ko.remedy 다른 축의 데이터가 소실되지 않도록 제어기 전원을 켠 상태에서 엔코더 배터리를 교체한 후 엔코더 알람을 리셋하십시오. 축 위치를 원점 마크와 비교하여 일치하지 않으면 해당 축의 원점 보정을 다시 하십시오.
zh.remedy 在控制柜通电状态下更换编码器电池（以免其他轴丢失数据），然后复位编码器报警。将该轴位置与零点标记对比，不一致时重新进行该轴的零点校准。

@ 0204
en.msg Axis %d absolute position lost
ko.msg %d축 절대 위치 소실
zh.msg 第%d轴 绝对位置丢失
en.cause The multi-turn counter of the encoder reports an invalid value, so the controller no longer knows the absolute position of this axis. It follows a battery failure, an encoder cable that was disconnected with the battery supply off, or a motor or encoder replacement.
ko.cause 엔코더의 다회전 카운터가 무효값을 보고하여 제어기가 해당 축의 절대 위치를 알 수 없습니다. 배터리 이상, 배터리 전원 없이 엔코더 케이블을 분리한 경우, 모터나 엔코더 교체 후에 발생합니다.
zh.cause 编码器多圈计数器报告无效值，控制器已无法得知该轴的绝对位置。发生在电池故障、在无电池供电情况下拔下编码器电缆，或更换电机、编码器之后。
en.remedy Reset the encoder multi-turn data from the encoder reset screen, jog the axis to its zero marks and set the zero position. Verify with a reference program (a point touched with a pointer tool) before automatic operation.
ko.remedy 엔코더 리셋 화면에서 다회전 데이터를 리셋하고 축을 원점 마크까지 조그하여 원점을 설정하십시오. 자동 운전 전에 기준 프로그램(포인터 툴로 터치하는 점)으로 위치를 확인하십시오.
zh.remedy 在编码器复位画面中复位多圈数据，将该轴点动到零点标记处并设定零点。自动运行前用基准程序（用指针工具触碰的点）进行确认。

@ 0205
en.msg Axis %d position changed while power was off
ko.msg %d축 전원 차단 중 위치 변화
zh.msg 第%d轴 断电期间位置变化
en.cause At power-on the position read from the encoder differs from the position saved at power-off by more than the allowed amount. The axis was moved with the brake released by hand, the brake slipped, or the encoder data is wrong.
ko.cause 전원 투입 시 엔코더에서 읽은 위치가 전원 차단 시 저장한 위치와 허용량 이상 다릅니다. 수동으로 브레이크를 해제하여 축을 움직였거나, 브레이크가 미끄러졌거나, 엔코더 데이터가 잘못되었습니다.
zh.cause 上电时从编码器读取的位置与断电时保存的位置之差超过允许值。原因为手动松开抱闸移动过该轴、抱闸打滑，或编码器数据有误。
en.remedy Ask whether the axis was moved during the stop, then check the position against the zero marks. If the marks match, acknowledge the error; if not, check the brake holding torque and recalibrate the axis.
ko.remedy 정지 중에 축을 움직였는지 확인한 후 원점 마크와 위치를 비교하십시오. 마크가 일치하면 에러를 확인(리셋)하고, 일치하지 않으면 브레이크 유지 토크를 점검하고 축을 재보정하십시오.
zh.remedy 确认停机期间是否移动过该轴，然后将位置与零点标记对比。标记一致时确认（复位）报警；不一致时检查抱闸保持力矩并重新校准该轴。

@ 0206
en.msg Axis %d encoder cable disconnected
ko.msg %d축 엔코더 케이블 분리
zh.msg 第%d轴 编码器电缆断开
en.cause No encoder of this axis answers at all: the encoder power or signal line is open. A connector is unplugged, a pin is pushed back, or the cable is cut.
ko.cause 해당 축의 엔코더가 전혀 응답하지 않습니다. 엔코더 전원선 또는 신호선이 개방되어 있으며, 커넥터 빠짐, 핀 밀림, 케이블 절단이 원인입니다.
zh.cause 该轴编码器完全无应答：编码器电源线或信号线开路。原因为连接器脱落、针脚退缩或电缆被切断。
en.remedy Check the encoder connectors from the motor to the cabinet and measure the encoder supply (usually 5 V) at the motor connector. Repair or replace the cable; afterwards check the absolute position of the axis.
ko.remedy 모터에서 캐비닛까지 엔코더 커넥터를 점검하고 모터 커넥터에서 엔코더 전원(통상 5 V)을 측정하십시오. 케이블을 수리 또는 교체한 후 해당 축의 절대 위치를 확인하십시오.
zh.remedy 从电机到控制柜逐个检查编码器连接器，并在电机连接器处测量编码器电源（通常为5 V）。修理或更换电缆，之后确认该轴的绝对位置。

@ 0210
en.msg Axis %d zero calibration data not set
ko.msg %d축 원점 보정 데이터 미설정
zh.msg 第%d轴 零点校准数据未设定
en.cause The axis has no valid zero calibration, so positions and limits cannot be checked. It appears after a new installation, a parameter reset, or after the zero data was deleted when a motor was changed.
ko.cause 해당 축에 유효한 원점 보정 데이터가 없어 위치와 리미트를 확인할 수 없습니다. 신규 설치, 파라미터 초기화, 모터 교체 시 원점 데이터를 삭제한 후에 나타납니다.
zh.cause 该轴没有有效的零点校准数据，无法检查位置和限位。出现在新安装、参数初始化，或更换电机时删除零点数据之后。
en.remedy Jog the axis in joint mode to its zero marks (or use the calibration fixture) and store the zero position. Check a known reference point before running programs.
ko.remedy 관절 좌표로 축을 원점 마크(또는 보정 지그)까지 조그하고 원점 위치를 저장하십시오. 프로그램 실행 전에 알려진 기준점을 확인하십시오.
zh.remedy 在关节坐标下将该轴点动到零点标记（或使用校准工装）并保存零点位置。运行程序前先确认一个已知的基准点。

@ 0301
en.msg Axis %d collision detected
ko.msg %d축 충돌 검출
zh.msg 第%d轴 检测到碰撞
en.cause The disturbance torque of this axis (measured torque minus the torque expected from the motion model) exceeded the collision threshold, and the robot stopped and backed off. The robot or tool hit the workpiece, a fixture or a person, or the tool load data is wrong; on arc robots the torch shock sensor often trips at the same moment.
ko.cause 해당 축의 외란 토크(실측 토크와 동작 모델에서 예상한 토크의 차)가 충돌 판정값을 초과하여 로봇이 정지하고 후퇴했습니다. 로봇이나 툴이 공작물, 지그, 사람과 부딪혔거나 툴 부하 데이터가 틀렸으며, 아크 로봇에서는 토치 쇼크 센서가 동시에 동작하는 경우가 많습니다.
zh.cause 该轴的干扰力矩（实测力矩与运动模型预测力矩之差）超过碰撞判定值，机器人停止并后退。原因为机器人或工具撞到工件、夹具或人员，或工具负载数据有误；弧焊机器人常同时触发焊枪防碰撞传感器。
en.remedy Find what was hit at the stop position and check the tool, torch or gun for damage and bent mounting before restarting; recheck the TCP if the tool was hit. If nothing was hit, correct the tool load data or raise the collision sensitivity of this axis slightly.
ko.remedy 정지 위치에서 무엇과 부딪혔는지 확인하고, 재기동 전에 툴, 토치, 건의 손상과 장착부 휨을 점검하십시오. 툴이 부딪혔다면 TCP를 재확인하십시오. 부딪힌 것이 없다면 툴 부하 데이터를 수정하거나 해당 축의 충돌 감도를 약간 완화하십시오.
zh.remedy 在停止位置查明撞到了什么，重新启动前检查工具、焊枪有无损坏及安装部位是否变形；工具受撞后重新确认TCP。如未撞到任何物体，修正工具负载数据或适当放宽该轴的碰撞灵敏度。

@ 0302
en.msg Tool shock sensor activated
ko.msg 툴 쇼크 센서 동작
zh.msg 工具防碰撞传感器动作
en.cause The shock sensor between the wrist flange and the tool (arc torch or gripper) opened its contact, and the robot stopped immediately. The tool hit an obstacle, or the sensor cable or its spring mechanism is faulty.
ko.cause 손목 플랜지와 툴(아크 토치, 그리퍼) 사이의 쇼크 센서 접점이 열려 로봇이 즉시 정지했습니다. 툴이 장애물과 부딪혔거나 센서 케이블 또는 스프링 기구가 불량입니다.
zh.cause 手腕法兰与工具（弧焊焊枪或夹爪）之间的防碰撞传感器触点断开，机器人立即停止。原因为工具撞到障碍物，或传感器电缆、弹簧机构故障。
en.remedy Hold the shock sensor override (or the release button) and jog the tool clear in teach mode. Check the torch or tool for bending and recheck the TCP; if no contact occurred, check the sensor signal and its cable at the wrist.
ko.remedy 티치 모드에서 쇼크 센서 무효(해제) 버튼을 누른 채 툴을 조그로 빼내십시오. 토치나 툴의 휨을 점검하고 TCP를 재확인하며, 접촉이 없었다면 손목부의 센서 신호와 케이블을 점검하십시오.
zh.remedy 在示教模式下按住防碰撞传感器解除按钮，将工具点动移开。检查焊枪或工具是否弯曲并重新确认TCP；如并未发生接触，检查手腕处的传感器信号及电缆。

@ 0303
en.msg Tool load data not set or invalid
ko.msg 툴 부하 데이터 미설정 또는 무효
zh.msg 工具负载数据未设定或无效
en.cause The mass, centre of gravity or inertia of the selected tool is missing or outside the robot's allowed range. Collision detection and the motion model cannot work correctly without it.
ko.cause 선택한 툴의 질량, 무게중심, 관성이 설정되지 않았거나 로봇의 허용 범위를 벗어났습니다. 이 데이터가 없으면 충돌 검출과 동작 모델이 올바르게 동작하지 않습니다.
zh.cause 所选工具的质量、重心或惯量未设定，或超出机器人允许范围。没有这些数据，碰撞检测和运动模型无法正确工作。
en.remedy Enter the tool mass and centre of gravity from the tool drawing, or run the automatic load estimation. Check that the values lie within the robot's wrist load diagram.
ko.remedy 툴 도면에서 툴 질량과 무게중심을 입력하거나 자동 부하 추정을 실행하십시오. 값이 로봇의 손목 부하 선도 안에 있는지 확인하십시오.
zh.remedy 按工具图纸输入工具质量和重心，或运行自动负载推定。确认数值位于机器人手腕负载曲线图允许范围内。

@ 0401
en.msg Over-travel limit switch activated
ko.msg 오버트래블 리미트 스위치 동작
zh.msg 超程限位开关动作
en.cause An axis ran past its software limit onto the hardware over-travel switch, and the safety circuit switched the motors off. The software limits are set wider than the switch positions, or the switch or its wiring is faulty.
ko.cause 축이 소프트 리미트를 넘어 하드웨어 오버트래블 스위치까지 이동하여 안전 회로가 모터를 OFF 했습니다. 소프트 리미트가 스위치 위치보다 넓게 설정되었거나 스위치 또는 배선이 불량입니다.
zh.cause 某轴越过软限位运动到硬件超程开关，安全回路切断了伺服电源。原因为软限位设定范围大于开关位置，或开关及其接线故障。
en.remedy Use the over-travel release function, switch the motors on and jog the axis back into its range in teach mode. Set the software limit inside the switch position, and check the switch and cable if the axis was not actually beyond it.
ko.remedy 오버트래블 해제 기능을 사용하여 모터 ON 하고 티치 모드에서 축을 범위 안으로 조그하십시오. 소프트 리미트를 스위치 위치보다 안쪽으로 설정하고, 실제로 축이 넘어가지 않았다면 스위치와 케이블을 점검하십시오.
zh.remedy 使用超程解除功能伺服上电，在示教模式下将该轴点动回范围内。将软限位设定在开关位置以内；如该轴实际并未越过，检查开关及电缆。

@ 0403
en.msg Tool position outside work area
ko.msg 툴 위치 작업 영역 밖
zh.msg 工具位置超出作业区域
en.cause The tool centre point left the Cartesian work area set for this robot (a box around the cell limiting where the tool may go). A step was taught outside it, or the work area was reduced after teaching.
ko.cause 툴 중심점이 이 로봇에 설정된 직교 좌표 작업 영역(툴이 갈 수 있는 범위를 제한하는 셀 주위 박스)을 벗어났습니다. 영역 밖에 스텝이 교시되었거나 교시 후 작업 영역이 축소되었습니다.
zh.cause 工具中心点离开了为该机器人设定的直角坐标作业区域（限制工具活动范围的单元周围长方体）。原因为在区域外示教了步骤，或示教后缩小了作业区域。
en.remedy Jog the robot back into the work area in teach mode and correct the step that lies outside. Compare the area limits with the cell layout before enlarging them.
ko.remedy 티치 모드에서 로봇을 작업 영역 안으로 조그하고 영역 밖에 있는 스텝을 수정하십시오. 영역을 넓히기 전에 셀 레이아웃과 영역 한계를 비교하십시오.
zh.remedy 在示教模式下将机器人点动回作业区域内，修正位于区域外的步骤。放大区域前先将区域限值与单元布局进行核对。

@ 0404
en.msg Interference zone entry without permission
ko.msg 간섭 영역 무허가 진입
zh.msg 未经许可进入干涉区
en.cause The robot was about to enter an interference zone shared with another robot or machine while the zone-free signal from the other side was off. The robot stopped at the zone border.
ko.cause 다른 로봇이나 설비와 공유하는 간섭 영역에 상대편의 영역 해제 신호가 OFF인 상태에서 진입하려 하여 영역 경계에서 정지했습니다.
zh.cause 机器人准备进入与其他机器人或设备共用的干涉区时，对方的区域空闲信号为OFF，机器人在区域边界处停止。
en.remedy Check which machine holds the zone and why it has not released it (stopped in the zone, PLC interlock). Check the zone signal wiring or fieldbus mapping and that both sides use the same zone number.
ko.remedy 어느 설비가 영역을 점유하고 있고 왜 해제하지 않는지(영역 내 정지, PLC 인터록) 확인하십시오. 영역 신호 배선 또는 필드버스 매핑과 양측이 같은 영역 번호를 사용하는지 점검하십시오.
zh.remedy 查明哪台设备占用该区域以及为何未释放（在区域内停止、PLC互锁）。检查区域信号接线或现场总线映射，并确认双方使用相同的区域编号。

@ 0405
en.msg Axis %d target position beyond software limit
ko.msg %d축 목표 위치 소프트 리미트 초과
zh.msg 第%d轴 目标位置超出软限位
en.cause The next step's target (after shift, tool or user frame conversion) would put this axis outside its software limit, so the motion was not started. The step was taught near the limit and a shift or frame change moved it beyond.
ko.cause 다음 스텝의 목표 위치(시프트, 툴 또는 사용자 좌표 변환 후)가 해당 축의 소프트 리미트를 벗어나므로 동작을 시작하지 않았습니다. 리미트 근처에 교시된 스텝이 시프트나 좌표 변경으로 범위를 넘었습니다.
zh.cause 下一步骤的目标位置（经平移、工具或用户坐标变换后）会使该轴超出软限位，因此未开始动作。原因为步骤示教在限位附近，平移或坐标变更后超出范围。
en.remedy Check the shift value and the frames used by the step. Reteach the step with the axis further from its limit or choose another arm configuration.
ko.remedy 해당 스텝이 사용하는 시프트 값과 좌표계를 확인하십시오. 축이 리미트에서 더 떨어지도록 스텝을 재교시하거나 다른 자세(암 형태)를 선택하십시오.
zh.remedy 检查该步骤使用的平移量和坐标系。重新示教该步骤，使该轴离限位更远，或选择其他手臂姿态。

@ 0407
en.msg Axis %d software limit exceeded
ko.msg %d축 소프트 리미트 초과
zh.msg 第%d轴 超出软限位
en.cause The actual position of this axis passed its software limit during motion or jogging, and the motors were switched off. A jog went too far, a linear move passed through an unreachable configuration, or an external axis (track, positioner) was commanded beyond its stroke.
ko.cause 동작 또는 조그 중에 해당 축의 실제 위치가 소프트 리미트를 넘어 모터가 OFF 되었습니다. 조그를 너무 멀리 했거나, 직선 이동 중 도달할 수 없는 자세를 지났거나, 외부축(주행축, 포지셔너)이 스트로크 밖으로 지령되었습니다.
zh.cause 运动或点动过程中该轴实际位置越过软限位，伺服电源被切断。原因为点动过远、直线运动经过无法到达的姿态，或外部轴（行走轴、变位机）被指令到行程之外。
en.remedy Switch the motors on in teach mode and jog the axis back inside its range (the jog towards the limit is blocked). Reteach the step that drove the axis to the limit, or move it in joint interpolation; check the limit parameters against the mechanical stroke.
ko.remedy 티치 모드에서 모터 ON 하고 축을 범위 안쪽으로 조그하십시오(리미트 방향 조그는 금지됨). 축을 리미트로 보낸 스텝을 재교시하거나 관절 보간으로 이동하고, 리미트 파라미터를 기계적 스트로크와 비교하십시오.
zh.remedy 在示教模式下伺服上电，将该轴点动回范围内（朝限位方向的点动被禁止）。重新示教使该轴到达限位的步骤，或改用关节插补；并将限位参数与机械行程核对。
"""

LUM_ERRORS += r"""
@ 0501
en.msg Emergency stop (teach pendant)
ko.msg 비상정지 (티치 펜던트)
zh.msg 急停（示教器）
en.cause The emergency stop button on the teach pendant was pressed, or its circuit opened, and the motors were switched off. A pendant cable with a broken wire or a pendant unplugged without the bypass also opens this circuit.
ko.cause 티치 펜던트의 비상정지 버튼이 눌렸거나 그 회로가 열려 모터가 OFF 되었습니다. 펜던트 케이블 내부 단선이나 바이패스 없이 펜던트를 분리한 경우에도 이 회로가 열립니다.
zh.cause 示教器急停按钮被按下或其回路断开，伺服电源被切断。示教器电缆内部断线，或未使用旁路就拔下示教器，也会使该回路断开。
en.remedy Make sure the cause of the stop is cleared and nobody is in the cell, then turn the button to release it and reset. If the button is not pressed, check the pendant cable and connector and the emergency stop input on the safety board.
ko.remedy 정지 원인이 해소되고 셀 안에 사람이 없는지 확인한 후 버튼을 돌려 해제하고 리셋하십시오. 버튼이 눌려 있지 않으면 펜던트 케이블과 커넥터, 안전 보드의 비상정지 입력을 점검하십시오.
zh.remedy 确认停止原因已排除且单元内无人后，旋转按钮解除急停并复位。如按钮并未按下，检查示教器电缆、连接器及安全板上的急停输入。

@ 0502
en.msg Emergency stop (operator panel)
ko.msg 비상정지 (조작 패널)
zh.msg 急停（操作面板）
en.cause The emergency stop button on the controller's operator panel was pressed, or its circuit opened, and the motors were switched off.
ko.cause 제어기 조작 패널의 비상정지 버튼이 눌렸거나 그 회로가 열려 모터가 OFF 되었습니다.
zh.cause 控制柜操作面板上的急停按钮被按下或其回路断开，伺服电源被切断。
en.remedy Clear the cause, release the button by turning it and reset the error. If the button is not pressed, check its two contacts and the wiring to the safety board.
ko.remedy 원인을 해소한 후 버튼을 돌려 해제하고 에러를 리셋하십시오. 버튼이 눌려 있지 않으면 버튼의 2개 접점과 안전 보드까지의 배선을 점검하십시오.
zh.remedy 排除原因后旋转按钮解除急停并复位报警。如按钮并未按下，检查按钮的两组触点及到安全板的接线。

@ 0503
en.msg External emergency stop input open
ko.msg 외부 비상정지 입력 개방
zh.msg 外部急停输入断开
en.cause The external emergency stop circuit (line emergency stop chain from the PLC or other stations) opened and the motors were switched off. Another station of the line was stopped, or a wire or relay in the chain is faulty.
ko.cause 외부 비상정지 회로(PLC나 다른 스테이션으로부터의 라인 비상정지 체인)가 열려 모터가 OFF 되었습니다. 라인의 다른 스테이션이 비상정지되었거나 체인의 배선이나 릴레이가 불량입니다.
zh.cause 外部急停回路（来自PLC或其他工位的生产线急停链）断开，伺服电源被切断。原因为生产线其他工位急停，或急停链中的接线、继电器故障。
en.remedy Find which emergency stop of the line is active and release it, then reset. If none is active, measure both channels at the external emergency stop terminals of the robot controller and trace the open one.
ko.remedy 라인에서 어느 비상정지가 동작 중인지 찾아 해제한 후 리셋하십시오. 동작 중인 것이 없으면 로봇 제어기의 외부 비상정지 단자에서 양 채널을 측정하여 열린 쪽을 추적하십시오.
zh.remedy 查明生产线上哪个急停处于动作状态并解除，然后复位。如均未动作，在机器人控制柜外部急停端子处测量两个通道，追查断开的回路。

@ 0504
en.msg Safety fence opened in automatic mode
ko.msg 자동 모드 중 안전 펜스 열림
zh.msg 自动模式下安全围栏打开
en.cause The safety fence door switch (or light curtain, area scanner) opened while the robot was in automatic mode, and the robot stopped. Someone entered the cell, or the door switch is misaligned.
ko.cause 자동 모드 중에 안전 펜스 도어 스위치(또는 라이트 커튼, 에어리어 스캐너)가 열려 로봇이 정지했습니다. 누군가 셀에 들어갔거나 도어 스위치의 위치가 어긋났습니다.
zh.cause 自动模式下安全围栏门开关（或光幕、区域扫描仪）断开，机器人停止。原因为有人进入单元，或门开关位置偏移。
en.remedy Make sure nobody is inside the fence, close the door and reset the safety circuit from outside the cell. If the door was closed, adjust the door switch actuator and check both channels of the switch.
ko.remedy 펜스 안에 사람이 없는지 확인하고 문을 닫은 후 셀 밖에서 안전 회로를 리셋하십시오. 문이 닫혀 있었다면 도어 스위치 액추에이터를 조정하고 스위치의 양 채널을 점검하십시오.
zh.remedy 确认围栏内无人，关好门后在单元外复位安全回路。如门原本是关着的，调整门开关的执行件并检查开关的两个通道。

@ 0505
en.msg Enable switch released during operation
ko.msg 동작 중 인에이블 스위치 해제
zh.msg 动作中松开使能开关
en.cause In teach mode the enable switch on the pendant was released (or its signal dropped) while the robot was moving, and the motors were switched off. This is normal when the operator lets go; repeated drops while held point to a worn switch.
ko.cause 티치 모드에서 로봇이 움직이는 중에 펜던트의 인에이블 스위치가 해제되었거나 신호가 끊겨 모터가 OFF 되었습니다. 작업자가 손을 떼면 정상 동작이지만, 잡고 있는데도 반복되면 스위치 마모입니다.
zh.cause 示教模式下机器人运动时示教器使能开关被松开（或信号中断），伺服电源被切断。操作者松手时属于正常现象；如握住时仍反复中断，说明开关磨损。
en.remedy Hold the enable switch in its middle position and switch the motors on again. If the signal drops while held, check the switch contacts and the pendant cable, and replace the enable switch.
ko.remedy 인에이블 스위치를 중간 위치로 잡고 다시 모터 ON 하십시오. 잡고 있는데도 신호가 끊기면 스위치 접점과 펜던트 케이블을 점검하고 인에이블 스위치를 교체하십시오.
zh.remedy 将使能开关保持在中间位置后重新伺服上电。如握住时信号仍中断，检查开关触点和示教器电缆，并更换使能开关。

@ 0506
en.msg Enable switch pressed to panic position
ko.msg 인에이블 스위치 꽉 누름 (패닉 위치)
zh.msg 使能开关按到底（紧急位置）
en.cause The three-position enable switch was pressed fully through to its third position, which works as a stop. The operator gripped the pendant hard in a hazardous moment, or the switch is sticking.
ko.cause 3포지션 인에이블 스위치가 끝까지 눌려 정지 기능을 하는 3번째 위치가 되었습니다. 위험한 순간에 작업자가 펜던트를 세게 쥐었거나 스위치가 걸려 있습니다.
zh.cause 三位置使能开关被按到底（第三位置），该位置起停止作用。原因为操作者在危险时刻用力握紧示教器，或开关卡滞。
en.remedy Release the switch completely, then press it again to the middle position and switch the motors on. If it cannot be released to the middle position, replace the enable switch.
ko.remedy 스위치를 완전히 놓았다가 다시 중간 위치로 누르고 모터 ON 하십시오. 중간 위치로 돌아오지 않으면 인에이블 스위치를 교체하십시오.
zh.remedy 完全松开开关，再按到中间位置后伺服上电。如开关无法回到中间位置，请更换使能开关。

@ 0507
en.msg Safety circuit channel mismatch
ko.msg 안전 회로 채널 불일치
zh.msg 安全回路通道不一致
en.cause The two channels of a dual-channel safety input (emergency stop, fence, enable switch) did not open and close together within the allowed time. One contact is worn or welded, or one wire of the pair is broken or shorted.
ko.cause 2채널 안전 입력(비상정지, 펜스, 인에이블 스위치)의 두 채널이 허용 시간 안에 함께 열리고 닫히지 않았습니다. 한쪽 접점의 마모나 용착, 또는 한쪽 선의 단선이나 단락이 원인입니다.
zh.cause 双通道安全输入（急停、围栏、使能开关）的两个通道未在允许时间内同时断开和闭合。原因为一侧触点磨损或熔焊，或其中一根线断线或短路。
en.remedy Read the safety input monitor to see which input and which channel differ, then measure both contacts of that device while operating it. Replace the switch or repair the wiring; the error can only be reset after both channels have opened together.
ko.remedy 안전 입력 모니터에서 어느 입력의 어느 채널이 다른지 확인하고, 해당 기기를 조작하면서 두 접점을 측정하십시오. 스위치를 교체하거나 배선을 수리하십시오. 양 채널이 함께 열린 후에만 리셋할 수 있습니다.
zh.remedy 在安全输入监视画面中查看哪个输入的哪个通道不一致，操作该设备的同时测量两组触点。更换开关或修理接线；两个通道同时断开一次后才能复位该报警。

@ 0508
en.msg Safety plug removed
ko.msg 안전 플러그 제거됨
zh.msg 安全插头被拔出
en.cause The safety plug (or the external safety connector) that closes the auxiliary safety circuit is not in place, so the motors cannot be switched on. It was removed for maintenance or for a test and not put back.
ko.cause 보조 안전 회로를 닫는 안전 플러그(또는 외부 안전 커넥터)가 장착되어 있지 않아 모터 ON 할 수 없습니다. 정비나 시험을 위해 분리한 후 다시 장착하지 않았습니다.
zh.cause 用于闭合辅助安全回路的安全插头（或外部安全连接器）未插上，无法伺服上电。原因为维护或测试时拔出后未复原。
en.remedy Insert the safety plug or reconnect the external safety connector and reset. If it is in place, check its contacts and bridges against the wiring diagram.
ko.remedy 안전 플러그를 장착하거나 외부 안전 커넥터를 다시 연결하고 리셋하십시오. 장착되어 있다면 접점과 브리지 배선을 배선도와 대조하여 점검하십시오.
zh.remedy 插上安全插头或重新连接外部安全连接器并复位。如已插上，对照接线图检查其触点和短接线。

@ 0509
en.msg Mode selector switch position invalid
ko.msg 모드 선택 스위치 위치 이상
zh.msg 模式选择开关位置异常
en.cause The key switch for teach/automatic mode reports no position or two positions at once. The key was left between positions, or the switch contacts or wiring are faulty.
ko.cause 티치/자동 모드 키 스위치가 위치를 알리지 않거나 두 위치를 동시에 알립니다. 키가 위치 사이에 멈춰 있거나 스위치 접점 또는 배선이 불량입니다.
zh.cause 示教/自动模式钥匙开关未报告任何位置，或同时报告两个位置。原因为钥匙停在两个位置之间，或开关触点、接线故障。
en.remedy Turn the key firmly to the required position. If the error stays, check the switch contacts with a meter in each position and replace the mode switch.
ko.remedy 키를 원하는 위치까지 확실히 돌리십시오. 에러가 계속되면 각 위치에서 스위치 접점을 테스터로 점검하고 모드 스위치를 교체하십시오.
zh.remedy 将钥匙用力转到所需位置。如报警仍在，用万用表在各位置检查开关触点，并更换模式开关。

@ 0510
en.msg Teach mode speed limit exceeded
ko.msg 티치 모드 속도 제한 초과
zh.msg 示教模式速度超限
en.cause In teach mode the speed of the tool centre point or a flange point exceeded the reduced speed limit (250 mm/s), and the robot stopped. It happens in step check of a program taught at high speed, or when the wrist turns fast around a long tool.
ko.cause 티치 모드에서 툴 중심점이나 플랜지 점의 속도가 감속 속도 제한(250 mm/s)을 초과하여 로봇이 정지했습니다. 고속으로 교시된 프로그램의 스텝 확인 중이나 긴 툴을 단 손목이 빠르게 회전할 때 발생합니다.
zh.cause 示教模式下工具中心点或法兰点的速度超过低速限制（250 mm/s），机器人停止。常见于检查高速示教程序的步骤时，或长工具情况下手腕快速旋转时。
en.remedy Lower the speed override for step check in teach mode. Check that the tool data is correct, because a wrong tool length makes the monitored speed too high or too low.
ko.remedy 티치 모드의 스텝 확인 시 속도 오버라이드를 낮추십시오. 툴 길이가 틀리면 감시 속도가 실제와 달라지므로 툴 데이터가 올바른지 확인하십시오.
zh.remedy 在示教模式下检查步骤时降低速度倍率。确认工具数据正确，因为工具长度错误会使监视速度偏大或偏小。

@ 0601
en.msg Teach pendant communication error
ko.msg 티치 펜던트 통신 이상
zh.msg 示教器通信异常
en.cause The controller lost the data exchange with the teach pendant for longer than the allowed time. The pendant cable or connector is damaged, or the pendant itself is faulty.
ko.cause 제어기와 티치 펜던트 간의 데이터 교환이 허용 시간 이상 끊겼습니다. 펜던트 케이블이나 커넥터가 손상되었거나 펜던트 자체가 불량입니다.
zh.cause 控制柜与示教器之间的数据交换中断超过允许时间。原因为示教器电缆或连接器损坏，或示教器本身故障。
en.remedy Check the pendant cable along its length for crushing and the connector at the cabinet; reseat it with the power off. If the error stays with a good cable, replace the pendant.
ko.remedy 펜던트 케이블 전체에 눌림이 없는지, 캐비닛 측 커넥터를 점검하고 전원을 끈 상태에서 다시 연결하십시오. 케이블이 정상인데도 계속되면 펜던트를 교체하십시오.
zh.remedy 沿示教器电缆全长检查有无压伤，并检查控制柜侧连接器，断电后重新插好。如电缆正常而报警仍在，更换示教器。

@ 0602
en.msg Teach pendant disconnected
ko.msg 티치 펜던트 분리
zh.msg 示教器断开
en.cause The teach pendant is not connected, and the pendant bypass (dummy plug) is not fitted, so the emergency stop circuit is open.
ko.cause 티치 펜던트가 연결되어 있지 않고 펜던트 바이패스(더미 플러그)도 장착되어 있지 않아 비상정지 회로가 열려 있습니다.
zh.cause 示教器未连接，也未装上示教器旁路插头（短接插头），急停回路处于断开状态。
en.remedy Connect the teach pendant, or fit the bypass plug if the robot runs without it, and reset the emergency stop.
ko.remedy 티치 펜던트를 연결하거나, 펜던트 없이 운전하는 경우에는 바이패스 플러그를 장착하고 비상정지를 리셋하십시오.
zh.remedy 连接示教器；如需在无示教器状态下运行，则装上旁路插头，然后复位急停。

@ 0610
en.msg Fieldbus connection lost
ko.msg 필드버스 접속 끊김
zh.msg 现场总线连接中断
en.cause The cyclic data exchange with the line PLC over the fieldbus stopped; the robot no longer receives its inputs and stops. The PLC is in stop mode, a bus cable or switch failed, or the bus address was changed.
ko.cause 필드버스를 통한 라인 PLC와의 주기 데이터 교환이 멈추어 로봇이 입력을 받지 못하고 정지했습니다. PLC가 정지 모드이거나, 버스 케이블이나 스위치가 고장 났거나, 버스 주소가 변경되었습니다.
zh.cause 通过现场总线与生产线PLC的周期数据交换中断，机器人收不到输入信号而停止。原因为PLC处于停止模式、总线电缆或交换机故障，或总线地址被更改。
en.remedy Check the PLC status and the bus diagnostics (which node is missing), then the bus cable, connectors and the network switch port of the robot. Check that the robot's bus address and device name match the PLC configuration.
ko.remedy PLC 상태와 버스 진단(어느 노드가 빠졌는지)을 확인한 후 버스 케이블, 커넥터, 로봇이 연결된 네트워크 스위치 포트를 점검하십시오. 로봇의 버스 주소와 장치 이름이 PLC 설정과 일치하는지 확인하십시오.
zh.remedy 检查PLC状态和总线诊断（哪个节点缺失），然后检查总线电缆、连接器及机器人所接交换机端口。确认机器人的总线地址和设备名称与PLC组态一致。

@ 0611
en.msg Fieldbus configuration mismatch
ko.msg 필드버스 구성 불일치
zh.msg 现场总线组态不一致
en.cause The I/O data length or module layout configured in the robot does not match what the PLC (or the bus slave) expects, so the connection was refused.
ko.cause 로봇에 설정된 I/O 데이터 길이 또는 모듈 구성이 PLC(또는 버스 슬레이브)가 기대하는 것과 맞지 않아 접속이 거부되었습니다.
zh.cause 机器人中设定的I/O数据长度或模块布局与PLC（或总线从站）期望的不一致，连接被拒绝。
en.remedy Compare the input and output byte counts of the robot's fieldbus settings with the PLC hardware configuration and make them equal. Restart the controller after changing the fieldbus settings.
ko.remedy 로봇 필드버스 설정의 입출력 바이트 수를 PLC 하드웨어 구성과 비교하여 일치시키십시오. 필드버스 설정을 변경한 후에는 제어기를 재기동하십시오.
zh.remedy 将机器人现场总线设定中的输入、输出字节数与PLC硬件组态对比并使之一致。修改现场总线设定后重新启动控制柜。

@ 0620
en.msg Ethernet link down
ko.msg 이더넷 링크 다운
zh.msg 以太网链路断开
en.cause The Ethernet port of the controller reports no link. The cable is unplugged or damaged, or the switch port is off.
ko.cause 제어기의 이더넷 포트에 링크가 없습니다. 케이블이 빠졌거나 손상되었거나 스위치 포트가 꺼져 있습니다.
zh.cause 控制柜以太网端口无链路。原因为网线脱落或损坏，或交换机端口关闭。
en.remedy Check the link LED at the controller and at the switch, reseat or replace the cable, and try another switch port.
ko.remedy 제어기와 스위치의 링크 LED를 확인하고 케이블을 다시 연결하거나 교체한 후 다른 스위치 포트도 시험해 보십시오.
zh.remedy 检查控制柜和交换机上的链路指示灯，重新插好或更换网线，并尝试使用交换机的其他端口。

@ 0621
en.msg Host computer communication timeout
ko.msg 상위 컴퓨터 통신 타임아웃
zh.msg 上位机通信超时
en.cause A request from the robot to the host computer (production data, program download) was not answered in time, or the host stopped polling the robot.
ko.cause 로봇이 상위 컴퓨터로 보낸 요구(생산 데이터, 프로그램 다운로드)에 제시간에 응답이 없었거나 상위 컴퓨터가 로봇 폴링을 중단했습니다.
zh.cause 机器人向上位机发出的请求（生产数据、程序下载）未在规定时间内得到应答，或上位机停止了对机器人的轮询。
en.remedy Check that the host application is running and can reach the robot (ping the controller address). Check the IP address, port and timeout settings on both sides.
ko.remedy 상위 애플리케이션이 실행 중이고 로봇에 접속 가능한지(제어기 주소로 ping) 확인하십시오. 양측의 IP 주소, 포트, 타임아웃 설정을 점검하십시오.
zh.remedy 确认上位机应用程序正在运行并能访问机器人（ping控制柜地址）。检查双方的IP地址、端口和超时设定。

@ 0630
en.msg Servo network communication error
ko.msg 서보 네트워크 통신 이상
zh.msg 伺服网络通信异常
en.cause Frames on the network between the servo board and the amplifiers (including external-axis amplifiers) were lost. A network cable between amplifiers is loose or damaged, or a terminator is missing.
ko.cause 서보 보드와 앰프(외부축 앰프 포함) 사이 네트워크의 프레임이 손실되었습니다. 앰프 간 네트워크 케이블의 풀림이나 손상, 종단 저항 누락이 원인입니다.
zh.cause 伺服板与各放大器（包括外部轴放大器）之间网络的数据帧丢失。原因为放大器之间的网络电缆松动或损坏，或缺少终端电阻。
en.remedy Check the network cables from the servo board through every amplifier to the last one and its terminator. Read the error counters per node to find the faulty cable section and replace it.
ko.remedy 서보 보드에서 모든 앰프를 거쳐 마지막 앰프와 종단까지 네트워크 케이블을 점검하십시오. 노드별 에러 카운터를 확인하여 불량 케이블 구간을 찾아 교체하십시오.
zh.remedy 从伺服板经每个放大器直至最后一个放大器及其终端，逐段检查网络电缆。查看各节点的错误计数，找出故障电缆段并更换。

@ 0801
en.msg I/O board not responding
ko.msg I/O 보드 응답 없음
zh.msg I/O板无应答
en.cause An I/O board or remote I/O module configured in the controller does not answer. Its power supply is missing, its address switch is set wrongly, or the board is faulty.
ko.cause 제어기에 설정된 I/O 보드 또는 리모트 I/O 모듈이 응답하지 않습니다. 전원이 없거나, 주소 스위치 설정이 틀렸거나, 보드가 불량입니다.
zh.cause 控制柜中配置的I/O板或远程I/O模块无应答。原因为其电源缺失、地址开关设定错误或板卡故障。
en.remedy Check the status LEDs and the 24 V supply of the board, and the address switch against the I/O configuration. Reseat the connecting cable; replace the board if it still does not answer.
ko.remedy 보드의 상태 LED와 24 V 전원, I/O 구성과 주소 스위치의 일치 여부를 확인하십시오. 연결 케이블을 다시 연결하고 그래도 응답하지 않으면 보드를 교체하십시오.
zh.remedy 检查板卡状态指示灯和24 V电源，核对地址开关与I/O组态是否一致。重新插好连接电缆；仍无应答时更换板卡。

@ 0802
en.msg Digital output overcurrent
ko.msg 디지털 출력 과전류
zh.msg 数字量输出过电流
en.cause An output group switched off because the current exceeded its limit. A load (valve coil, relay, lamp) is short-circuited or draws too much current, or the output wiring touches earth.
ko.cause 전류가 한계를 초과하여 출력 그룹이 차단되었습니다. 부하(밸브 코일, 릴레이, 램프)가 단락되었거나 전류가 과대하거나, 출력 배선이 접지에 닿아 있습니다.
zh.cause 电流超过限值，输出组被切断。原因为负载（电磁阀线圈、继电器、指示灯）短路或电流过大，或输出接线碰地。
en.remedy Disconnect the loads of the group one by one to find the faulty one, and measure its coil resistance. Repair the wiring (often in the dress pack at the wrist) and check that each load stays within the output rating.
ko.remedy 그룹의 부하를 하나씩 분리하여 불량 부하를 찾고 코일 저항을 측정하십시오. 배선(흔히 손목부 드레스 팩 내부)을 수리하고 각 부하가 출력 정격 이내인지 확인하십시오.
zh.remedy 逐个断开该组的负载找出故障负载，并测量其线圈电阻。修理接线（常见于手腕处的管线包内），并确认每个负载不超过输出额定值。

@ 0803
en.msg I/O 24 V supply fault
ko.msg I/O 24 V 전원 이상
zh.msg I/O 24 V电源异常
en.cause The external 24 V supply for inputs and outputs is missing or too low. The external power supply is off or overloaded, or its fuse has blown.
ko.cause 입출력용 외부 24 V 전원이 없거나 너무 낮습니다. 외부 전원이 꺼져 있거나 과부하이거나 퓨즈가 단선되었습니다.
zh.cause 输入输出用外部24 V电源缺失或电压过低。原因为外部电源关闭或过载，或保险丝熔断。
en.remedy Measure the 24 V at the I/O terminals, check the supply and its fuse, and look for a short in the field wiring before replacing the fuse.
ko.remedy I/O 단자에서 24 V를 측정하고 전원과 퓨즈를 점검하며, 퓨즈 교체 전에 현장 배선의 단락 여부를 확인하십시오.
zh.remedy 在I/O端子处测量24 V电压，检查电源及其保险丝；更换保险丝之前先查找现场接线中的短路。

@ 0804
en.msg Signal not assigned
ko.msg 신호 미할당
zh.msg 信号未分配
en.cause The program or a function uses an input or output number that is not assigned to any physical or fieldbus signal.
ko.cause 프로그램이나 기능이 물리 신호나 필드버스 신호에 할당되지 않은 입출력 번호를 사용하고 있습니다.
zh.cause 程序或某项功能使用了未分配给任何实际信号或现场总线信号的输入输出编号。
en.remedy Check the signal number used at the stopped step and assign it in the I/O assignment screen, or correct the number in the program.
ko.remedy 정지한 스텝에서 사용하는 신호 번호를 확인하고 I/O 할당 화면에서 할당하거나 프로그램의 번호를 수정하십시오.
zh.remedy 查看停止步骤中使用的信号编号，在I/O分配画面中进行分配，或修改程序中的编号。

@ 0805
en.msg Input wait timeout
ko.msg 입력 대기 타임아웃
zh.msg 输入等待超时
en.cause A wait instruction in the program waited for an input longer than its timeout. The expected signal (part present, clamp closed, PLC release) did not come.
ko.cause 프로그램의 대기 명령이 타임아웃 시간보다 오래 입력을 기다렸습니다. 기대하는 신호(부품 있음, 클램프 닫힘, PLC 허가)가 들어오지 않았습니다.
zh.cause 程序中的等待指令等待输入的时间超过超时时间。期望的信号（工件在位、夹紧到位、PLC许可）未到来。
en.remedy Look at the wait instruction at the stopped step to see which input it waits for, and check that signal on the I/O monitor and at its sensor. Fix the sensor or the PLC sequence, or lengthen the timeout if the process is just slow.
ko.remedy 정지한 스텝의 대기 명령이 어떤 입력을 기다리는지 확인하고 I/O 모니터와 센서에서 해당 신호를 점검하십시오. 센서나 PLC 시퀀스를 수정하고, 공정이 단지 느린 경우에는 타임아웃을 늘리십시오.
zh.remedy 查看停止步骤中的等待指令所等待的输入，在I/O监视画面和传感器处检查该信号。修复传感器或PLC程序；如仅是工序较慢，可延长超时时间。

@ 0806
en.msg Analog input out of range
ko.msg 아날로그 입력 범위 초과
zh.msg 模拟量输入超出范围
en.cause An analog input is outside its measuring range (for example below 4 mA or above 10 V). The sensor is faulty, its cable is open, or the input range setting is wrong.
ko.cause 아날로그 입력이 측정 범위를 벗어났습니다(예: 4 mA 미만 또는 10 V 초과). 센서 불량, 케이블 단선, 입력 범위 설정 오류가 원인입니다.
zh.cause 模拟量输入超出测量范围（例如低于4 mA或高于10 V）。原因为传感器故障、电缆断线或输入量程设定错误。
en.remedy Measure the signal at the analog input terminals and compare it with the value shown on the I/O monitor. Check the sensor wiring and the range setting of the channel.
ko.remedy 아날로그 입력 단자에서 신호를 측정하여 I/O 모니터 표시값과 비교하십시오. 센서 배선과 해당 채널의 범위 설정을 점검하십시오.
zh.remedy 在模拟量输入端子处测量信号，并与I/O监视画面显示的数值比较。检查传感器接线和该通道的量程设定。
"""

LUM_ERRORS += r"""
@ 1001
en.msg Program not found
ko.msg 프로그램 없음
zh.msg 程序不存在
en.cause The program that was selected or called does not exist in the controller memory. It was deleted, renamed, or never loaded to this robot.
ko.cause 선택하거나 호출한 프로그램이 제어기 메모리에 없습니다. 삭제되었거나 이름이 바뀌었거나 이 로봇에 로드된 적이 없습니다.
zh.cause 所选择或调用的程序在控制柜存储器中不存在。该程序已被删除、改名，或从未装入本机器人。
en.remedy Check the program list and the name or number in the call instruction. Load the program from the backup or correct the call.
ko.remedy 프로그램 목록과 호출 명령의 이름 또는 번호를 확인하십시오. 백업에서 프로그램을 로드하거나 호출을 수정하십시오.
zh.remedy 检查程序列表及调用指令中的名称或编号。从备份中装入该程序，或修改调用指令。

@ 1002
en.msg Program file damaged
ko.msg 프로그램 파일 손상
zh.msg 程序文件损坏
en.cause The program file could not be read completely or its checksum is wrong. The transfer was interrupted, the file was edited outside the controller, or the storage is failing.
ko.cause 프로그램 파일을 완전히 읽을 수 없거나 체크섬이 맞지 않습니다. 전송이 중단되었거나, 제어기 밖에서 파일을 편집했거나, 저장 장치가 불량입니다.
zh.cause 程序文件无法完整读取或校验和错误。原因为传输中断、在控制柜外编辑了文件，或存储器故障。
en.remedy Reload the program from the last backup. If several files are damaged, check the storage device and take a full backup as soon as possible.
ko.remedy 최신 백업에서 프로그램을 다시 로드하십시오. 여러 파일이 손상되었다면 저장 장치를 점검하고 가능한 한 빨리 전체 백업을 받으십시오.
zh.remedy 从最近的备份中重新装入该程序。如多个文件损坏，请检查存储器并尽快做一次完整备份。

@ 1003
en.msg Step data invalid
ko.msg 스텝 데이터 무효
zh.msg 步骤数据无效
en.cause A step of the program contains a value the controller cannot execute: a missing position, an unknown instruction or a parameter out of range. It happens after editing the program offline or loading a program from a robot with other options.
ko.cause 프로그램의 스텝에 제어기가 실행할 수 없는 값(위치 누락, 알 수 없는 명령, 범위 밖 파라미터)이 있습니다. 오프라인 편집 후나 다른 옵션을 가진 로봇의 프로그램을 로드한 후에 발생합니다.
zh.cause 程序某步骤中含有控制器无法执行的内容：位置缺失、未知指令或参数超出范围。常见于离线编辑程序或装入其他选项配置机器人的程序之后。
en.remedy Open the program at the stopped step and correct or reteach it. Check that this robot has the options the program uses.
ko.remedy 정지한 스텝에서 프로그램을 열어 수정하거나 재교시하십시오. 프로그램이 사용하는 옵션이 이 로봇에 있는지 확인하십시오.
zh.remedy 打开程序定位到停止的步骤，修改或重新示教。确认本机器人具备该程序所使用的选项。

@ 1004
en.msg Program call nesting too deep
ko.msg 프로그램 호출 중첩 초과
zh.msg 程序调用嵌套过深
en.cause Programs called each other more times than the call stack allows. Usually a program calls itself, directly or through another program, without a condition that ends the loop.
ko.cause 프로그램이 호출 스택 허용치보다 많이 서로를 호출했습니다. 대개 루프를 끝내는 조건 없이 프로그램이 직접 또는 다른 프로그램을 거쳐 자기 자신을 호출하고 있습니다.
zh.cause 程序之间相互调用的层数超过调用栈允许值。通常是程序直接或经由其他程序调用自身，且没有结束循环的条件。
en.remedy Follow the call chain from the main program and replace the recursive call with a jump or a loop. Keep the nesting depth within the limit shown in the system settings.
ko.remedy 메인 프로그램부터 호출 순서를 추적하여 재귀 호출을 점프나 루프로 바꾸십시오. 중첩 깊이를 시스템 설정에 표시된 한계 이내로 유지하십시오.
zh.remedy 从主程序开始追踪调用链，将递归调用改为跳转或循环。使嵌套深度保持在系统设定显示的限值以内。

@ 1005
en.msg Jump label not found
ko.msg 점프 라벨 없음
zh.msg 跳转标签不存在
en.cause A jump instruction refers to a label that does not exist in the program. The label was deleted or renamed while editing.
ko.cause 점프 명령이 프로그램에 없는 라벨을 참조하고 있습니다. 편집 중에 라벨이 삭제되었거나 이름이 바뀌었습니다.
zh.cause 跳转指令引用的标签在程序中不存在。该标签在编辑时被删除或改名。
en.remedy Insert the missing label at the intended step, or correct the label name in the jump instruction.
ko.remedy 의도한 스텝에 누락된 라벨을 삽입하거나 점프 명령의 라벨 이름을 수정하십시오.
zh.remedy 在预定步骤处插入缺失的标签，或修改跳转指令中的标签名称。

@ 1011
en.msg Division by zero
ko.msg 0으로 나누기
zh.msg 除数为零
en.cause An arithmetic instruction divided by a variable whose value was zero. The variable was not initialised or was reset by another program.
ko.cause 산술 명령이 값이 0인 변수로 나누었습니다. 변수가 초기화되지 않았거나 다른 프로그램에서 리셋되었습니다.
zh.cause 算术指令用值为零的变量作除数。该变量未初始化或被其他程序清零。
en.remedy Check where the divisor variable is set, initialise it at the start of the program, and add a check before the division.
ko.remedy 나누는 변수가 어디서 설정되는지 확인하고 프로그램 시작 시 초기화하며 나누기 전에 확인 조건을 추가하십시오.
zh.remedy 查明除数变量在何处赋值，在程序开头进行初始化，并在除法运算前加入判断。

@ 1020
en.msg Target position unreachable
ko.msg 목표 위치 도달 불가
zh.msg 目标位置无法到达
en.cause No joint solution exists for the Cartesian target of the step: it lies outside the robot's reach, or the requested arm configuration cannot reach it. A shift, a changed tool or user frame often moves a step out of reach.
ko.cause 스텝의 직교 좌표 목표에 대한 관절 해가 존재하지 않습니다. 로봇 도달 범위 밖에 있거나 지정된 암 형태로는 도달할 수 없습니다. 시프트, 툴 또는 사용자 좌표 변경으로 스텝이 범위 밖으로 벗어나는 경우가 많습니다.
zh.cause 该步骤的直角坐标目标没有关节解：位于机器人可达范围之外，或以指定的手臂姿态无法到达。平移、工具或用户坐标的变更常使步骤超出可达范围。
en.remedy Check the shift value and the tool and user frame of the step. Reteach the step within reach or with another configuration.
ko.remedy 스텝의 시프트 값과 툴 및 사용자 좌표를 확인하십시오. 도달 범위 안에서, 또는 다른 자세로 스텝을 재교시하십시오.
zh.remedy 检查该步骤的平移量以及工具和用户坐标。在可达范围内或以其他姿态重新示教该步骤。

@ 1021
en.msg Singular point reached
ko.msg 특이점 도달
zh.msg 到达奇异点
en.cause During a linear or circular move the wrist passed close to a singular configuration (axis 5 near zero, or the wrist centre above axis 1), where joint speeds would become too high. The robot stopped.
ko.cause 직선 또는 원호 이동 중에 손목이 특이 자세(5축이 0도 근처, 또는 손목 중심이 1축 바로 위) 근처를 지나 관절 속도가 과대해지므로 로봇이 정지했습니다.
zh.cause 直线或圆弧运动时手腕经过奇异姿态附近（第5轴接近零度，或手腕中心位于第1轴正上方），关节速度将变得过大，机器人停止。
en.remedy Reteach the path so that axis 5 stays away from zero (tilt the tool a few degrees), or use joint interpolation for that section.
ko.remedy 5축이 0도에서 떨어지도록(툴을 몇 도 기울여서) 경로를 재교시하거나 해당 구간을 관절 보간으로 바꾸십시오.
zh.remedy 重新示教路径，使第5轴远离零度（将工具倾斜几度），或将该段改为关节插补。

@ 1022
en.msg Circular interpolation points invalid
ko.msg 원호 보간 점 무효
zh.msg 圆弧插补点无效
en.cause The three points of a circular move do not define a circle: two points coincide or all three lie on a straight line. A point was retaught or deleted after the arc was made.
ko.cause 원호 이동의 세 점이 원을 정의하지 못합니다. 두 점이 겹치거나 세 점이 일직선상에 있습니다. 원호 작성 후 점을 재교시하거나 삭제했습니다.
zh.cause 圆弧运动的三个点无法确定一个圆：两点重合或三点共线。圆弧示教后某点被重新示教或删除。
en.remedy Reteach the middle point of the arc well away from the line through the start and end points, with at least a few millimetres between points.
ko.remedy 원호의 중간점을 시작점과 끝점을 잇는 직선에서 충분히 떨어지게, 점 사이를 수 mm 이상 띄워 재교시하십시오.
zh.remedy 重新示教圆弧中间点，使其远离起点和终点的连线，且各点之间至少间隔几毫米。

@ 1030
en.msg User coordinate system not defined
ko.msg 사용자 좌표계 미정의
zh.msg 用户坐标系未定义
en.cause A step or a shift refers to a user coordinate system number that has no data. The frame was deleted, or the program comes from another robot.
ko.cause 스텝이나 시프트가 데이터가 없는 사용자 좌표계 번호를 참조하고 있습니다. 좌표계가 삭제되었거나 다른 로봇의 프로그램입니다.
zh.cause 步骤或平移引用了没有数据的用户坐标系编号。该坐标系已被删除，或程序来自其他机器人。
en.remedy Teach the user coordinate system with three points on the fixture, or load it from the backup, then check a few steps before running.
ko.remedy 지그 위의 3점으로 사용자 좌표계를 교시하거나 백업에서 로드한 후, 실행 전에 몇 개 스텝을 확인하십시오.
zh.remedy 用夹具上的三点示教该用户坐标系，或从备份中装入，运行前先检查几个步骤。

@ 1309
en.msg External program number invalid
ko.msg 외부 프로그램 번호 이상
zh.msg 外部程序号无效
en.cause At the external start the program number read from the line PLC did not select a runnable program: the number is zero, out of range, or no program is registered under it. The robot did not start.
ko.cause 외부 기동 시 라인 PLC로부터 읽은 프로그램 번호로 실행 가능한 프로그램이 선택되지 않았습니다. 번호가 0이거나 범위 밖이거나 해당 번호로 등록된 프로그램이 없어 로봇이 기동하지 않았습니다.
zh.cause 外部启动时从生产线PLC读取的程序号未能选中可运行的程序：程序号为零、超出范围，或该号下未登记程序。机器人未启动。
en.check Is the program number set by the PLC stable before the start signal, and does it arrive with the right bits (program selection input byte on the I/O monitor)?
en.fix Make the PLC set the program number at least one PLC cycle (about 100 ms) before the start or strobe signal and keep it until the robot reports running; check the bit order and the parity bit if used.
ko.check PLC가 설정하는 프로그램 번호가 기동 신호 전에 안정되어 있고 올바른 비트로 들어옵니까(I/O 모니터의 프로그램 선택 입력 바이트)?
ko.fix PLC가 기동 또는 스트로브 신호보다 최소 1 PLC 사이클(약 100 ms) 먼저 프로그램 번호를 설정하고 로봇이 운전 중을 알릴 때까지 유지하도록 하십시오. 비트 순서와 (사용 시) 패리티 비트를 확인하십시오.
zh.check PLC设定的程序号是否在启动信号之前已稳定，且各位正确（在I/O监视画面中查看程序选择输入字节）？
zh.fix 让PLC至少提前一个PLC扫描周期（约100 ms）于启动或选通信号设定程序号，并保持到机器人报告运行中为止；检查位顺序以及（如使用）奇偶校验位。
en.check Is a program registered under this number in the robot's external selection table, and does the program exist in memory?
en.fix Register the program under the number the PLC sends, or load the missing program from the backup; keep the PLC's model/program table and the robot's table in step after model changes.
ko.check 로봇의 외부 선택 테이블에 이 번호로 프로그램이 등록되어 있고 그 프로그램이 메모리에 있습니까?
ko.fix PLC가 보내는 번호로 프로그램을 등록하거나 누락된 프로그램을 백업에서 로드하십시오. 차종 변경 후에는 PLC의 차종/프로그램 테이블과 로봇 테이블을 일치시키십시오.
zh.check 机器人的外部选择表中该号码下是否登记了程序，且该程序在存储器中存在？
zh.fix 将程序登记到PLC发送的号码下，或从备份中装入缺失的程序；车型变更后保持PLC的车型/程序表与机器人的表一致。

@ 1312
en.msg Tool number not defined
ko.msg 툴 번호 미정의
zh.msg 工具号未定义
en.cause The step selects a tool number whose tool data (TCP and load) has not been entered. The tool was deleted, or the step was taught with another tool configuration.
ko.cause 스텝이 툴 데이터(TCP와 부하)가 입력되지 않은 툴 번호를 선택하고 있습니다. 툴이 삭제되었거나 다른 툴 구성에서 교시된 스텝입니다.
zh.cause 步骤选择的工具号没有输入工具数据（TCP和负载）。该工具已被删除，或步骤是在其他工具配置下示教的。
en.remedy Enter the tool data for this number (or load it from the backup), or change the step to the tool actually mounted. Check the TCP with a reference point afterwards.
ko.remedy 해당 번호의 툴 데이터를 입력하거나(백업에서 로드) 스텝을 실제 장착된 툴로 변경하십시오. 그 후 기준점으로 TCP를 확인하십시오.
zh.remedy 输入该号码的工具数据（或从备份中装入），或将步骤改为实际安装的工具。之后用基准点确认TCP。

@ 1401
en.msg Weld timer fault
ko.msg 용접 타이머 이상
zh.msg 焊接控制器故障
en.cause The spot weld timer reported a fault to the robot (for example current out of limits, transformer overheat, or thyristor/inverter fault), and the robot stopped at the weld point.
ko.cause 스폿 용접 타이머가 로봇에 이상을 알려(예: 전류 한계 이탈, 트랜스 과열, 사이리스터/인버터 이상) 로봇이 용접점에서 정지했습니다.
zh.cause 点焊控制器向机器人报告故障（例如电流超限、变压器过热、晶闸管/逆变器故障），机器人在焊点处停止。
en.remedy Read the fault code on the weld timer and remove its cause, then reset the timer and the robot. Check the weld at the stopped point and reweld it if needed.
ko.remedy 용접 타이머의 이상 코드를 읽고 원인을 제거한 후 타이머와 로봇을 리셋하십시오. 정지한 점의 용접 상태를 확인하고 필요하면 재용접하십시오.
zh.remedy 读取焊接控制器上的故障代码并排除原因，然后复位焊接控制器和机器人。检查停止点的焊接质量，必要时补焊。

@ 1402
en.msg Servo gun pressure not reached
ko.msg 서보 건 가압력 미도달
zh.msg 伺服焊钳压力未达到
en.cause The servo gun axis did not build up the programmed electrode force within the allowed time. The tips did not close on the sheet (wrong position, missing part), the gun force calibration is off, or the gun motor is overloaded.
ko.cause 서보 건 축이 허용 시간 안에 프로그램된 가압력에 도달하지 못했습니다. 팁이 판재에 닫히지 않았거나(위치 불량, 부품 없음), 건 가압력 보정이 틀어졌거나, 건 모터가 과부하입니다.
zh.cause 伺服焊钳轴未能在允许时间内达到程序设定的电极压力。原因为电极未压到板件上（位置偏差、缺件）、焊钳压力校准偏差，或焊钳电机过载。
en.remedy Check that the part is present and the gun closes on it at the weld point. Measure the tip force with a force gauge and redo the pressure calibration if it differs from the setting.
ko.remedy 부품이 있는지, 용접점에서 건이 부품 위에 닫히는지 확인하십시오. 가압력계로 팁 가압력을 측정하여 설정과 다르면 가압력 보정을 다시 하십시오.
zh.remedy 确认工件在位且焊钳在焊点处夹紧工件。用压力计测量电极压力，与设定值不符时重新进行压力校准。

@ 1403
en.msg Weld timer communication error
ko.msg 용접 타이머 통신 이상
zh.msg 焊接控制器通信异常
en.cause The robot lost the connection to the weld timer (fieldbus or serial link), so weld schedules and status cannot be exchanged.
ko.cause 로봇과 용접 타이머 간의 접속(필드버스 또는 시리얼)이 끊겨 용접 조건과 상태를 주고받을 수 없습니다.
zh.cause 机器人与焊接控制器的连接（现场总线或串行通信）中断，无法交换焊接条件和状态。
en.remedy Check the weld timer power and its bus status LEDs, then the communication cable and connectors between robot and timer. Check that the node address matches the configuration.
ko.remedy 용접 타이머 전원과 버스 상태 LED를 확인하고 로봇과 타이머 사이의 통신 케이블 및 커넥터를 점검하십시오. 노드 주소가 설정과 일치하는지 확인하십시오.
zh.remedy 检查焊接控制器电源及其总线状态指示灯，然后检查机器人与焊接控制器之间的通信电缆和连接器。确认节点地址与组态一致。

@ 1404
en.msg Electrode tip wear over limit
ko.msg 전극 팁 마모량 한계 초과
zh.msg 电极帽磨损超限
en.cause The measured wear of the servo gun electrode tips exceeded the limit; the tips are too short to weld reliably.
ko.cause 측정된 서보 건 전극 팁의 마모량이 한계를 초과하여 팁이 너무 짧아 안정된 용접을 할 수 없습니다.
zh.cause 测得的伺服焊钳电极帽磨损量超过限值，电极帽过短，无法可靠焊接。
en.remedy Change both tips, reset the wear data and run the tip wear reference measurement. Check the tip dresser settings if tips wear faster than usual.
ko.remedy 양쪽 팁을 교환하고 마모 데이터를 리셋한 후 팁 마모 기준 측정을 실행하십시오. 팁 마모가 평소보다 빠르면 팁 드레서 설정을 점검하십시오.
zh.remedy 更换上下电极帽，复位磨损数据并执行电极帽磨损基准测量。如电极帽磨损比平时快，检查修磨器设定。

@ 1405
en.msg Tip dressing failure
ko.msg 팁 드레싱 실패
zh.msg 电极帽修磨失败
en.cause After dressing, the measured tip length change or tip shape check was outside the allowed range. The dresser cutter is worn or blocked, the dresser motor did not run, or the gun was not centred on the dresser.
ko.cause 드레싱 후 측정한 팁 길이 변화 또는 팁 형상 확인이 허용 범위를 벗어났습니다. 드레서 커터 마모나 막힘, 드레서 모터 미회전, 건이 드레서 중심에 맞지 않은 경우가 원인입니다.
zh.cause 修磨后测得的电极帽长度变化或形状检查超出允许范围。原因为修磨刀片磨损或堵塞、修磨器电机未转动，或焊钳未对准修磨器中心。
en.remedy Clean chips from the dresser and inspect the cutter blade; replace it if worn. Check the dresser motor signal and the dressing position of the gun, then dress again.
ko.remedy 드레서의 칩을 청소하고 커터 날을 점검하여 마모되었으면 교체하십시오. 드레서 모터 신호와 건의 드레싱 위치를 확인한 후 다시 드레싱하십시오.
zh.remedy 清除修磨器中的切屑并检查刀片，磨损时更换。检查修磨器电机信号和焊钳的修磨位置，然后重新修磨。

@ 1406
en.msg Weld cooling water flow low
ko.msg 용접 냉각수 유량 부족
zh.msg 焊接冷却水流量不足
en.cause The flow switch of the gun or transformer cooling circuit reports too little water. A hose is kinked or leaking, a valve is closed, or the filter is blocked.
ko.cause 건 또는 트랜스 냉각 회로의 유량 스위치가 수량 부족을 알리고 있습니다. 호스 꺾임이나 누수, 밸브 닫힘, 필터 막힘이 원인입니다.
zh.cause 焊钳或变压器冷却回路的流量开关报告水量不足。原因为水管弯折或泄漏、阀门关闭，或过滤器堵塞。
en.remedy Check the supply and return valves, the hoses in the dress pack and the tip cooling tubes, and clean the filter. Do not weld without cooling: the tips and transformer overheat quickly.
ko.remedy 급수 및 배수 밸브, 드레스 팩 내 호스, 팁 냉각관을 점검하고 필터를 청소하십시오. 냉각 없이 용접하면 팁과 트랜스가 빠르게 과열되므로 용접하지 마십시오.
zh.remedy 检查进水和回水阀门、管线包内的水管及电极冷却管，并清洗过滤器。没有冷却时不得焊接，电极帽和变压器会很快过热。

@ 1407
en.msg Electrode tip stuck to work
ko.msg 전극 팁 용착
zh.msg 电极帽粘连工件
en.cause After the weld the gun opened but the tip stayed stuck to the sheet (the gun did not reach the open position). Worn or dirty tips, too high current, or coated sheet are the usual causes.
ko.cause 용접 후 건을 열었으나 팁이 판재에 붙어 건이 열림 위치에 도달하지 못했습니다. 팁 마모나 오염, 과대 전류, 도금 강판이 주된 원인입니다.
zh.cause 焊接后焊钳打开，但电极帽粘在板件上（焊钳未到达打开位置）。常见原因为电极帽磨损或脏污、电流过大，或镀层板。
en.remedy In teach mode, free the tip carefully (twist the gun slightly or use the release function) and inspect the tip and the weld. Dress or change the tips and check the current of that weld schedule.
ko.remedy 티치 모드에서 팁을 조심스럽게 떼어내고(건을 약간 비틀거나 해제 기능 사용) 팁과 용접부를 점검하십시오. 팁을 드레싱하거나 교환하고 해당 용접 조건의 전류를 확인하십시오.
zh.remedy 在示教模式下小心地使电极帽脱开（轻微扭转焊钳或使用解除功能），检查电极帽和焊点。修磨或更换电极帽，并检查该焊接条件的电流。

@ 1451
en.msg Welding power source not ready
ko.msg 용접 전원 준비 안 됨
zh.msg 焊接电源未就绪
en.cause The arc welding power source did not report ready when the robot reached an arc start. It is switched off, in local mode, or still holding an alarm.
ko.cause 로봇이 아크 스타트에 도달했을 때 아크 용접 전원이 준비 완료를 알리지 않았습니다. 전원이 꺼져 있거나 로컬 모드이거나 알람이 남아 있습니다.
zh.cause 机器人到达起弧点时弧焊电源未报告就绪。原因为焊接电源未开机、处于本地模式，或仍有报警。
en.remedy Switch the power source on, set it to remote (robot) control and clear any alarm on its display. Check the interface cable between robot and power source.
ko.remedy 용접 전원을 켜고 리모트(로봇) 제어로 설정한 후 표시부의 알람을 해제하십시오. 로봇과 용접 전원 사이의 인터페이스 케이블을 점검하십시오.
zh.remedy 打开焊接电源，设为远程（机器人）控制，并清除其显示屏上的报警。检查机器人与焊接电源之间的接口电缆。

@ 1452
en.msg Welding power source communication error
ko.msg 용접 전원 통신 이상
zh.msg 焊接电源通信异常
en.cause The digital link between the robot and the welding power source was interrupted; welding commands and feedback cannot be exchanged.
ko.cause 로봇과 용접 전원 간의 디지털 통신이 끊겨 용접 지령과 피드백을 주고받을 수 없습니다.
zh.cause 机器人与焊接电源之间的数字通信中断，无法交换焊接指令和反馈。
en.remedy Check the communication cable and connectors, the address setting on the power source, and noise sources near the cable (keep it away from the welding cables).
ko.remedy 통신 케이블과 커넥터, 용접 전원의 주소 설정, 케이블 주변의 노이즈원을 점검하십시오(용접 케이블과 떨어뜨려 배선).
zh.remedy 检查通信电缆和连接器、焊接电源的地址设定，以及电缆附近的干扰源（与焊接电缆分开布线）。

@ 1453
en.msg Welding condition out of range
ko.msg 용접 조건 범위 초과
zh.msg 焊接条件超出范围
en.cause A welding current, voltage or wire speed in the program or condition file is outside what the connected power source can deliver.
ko.cause 프로그램 또는 조건 파일의 용접 전류, 전압, 와이어 속도가 연결된 용접 전원의 출력 범위를 벗어났습니다.
zh.cause 程序或条件文件中的焊接电流、电压或送丝速度超出所连接焊接电源的输出范围。
en.remedy Correct the condition in the program (check the units and the wire diameter and material selected) and make sure the power source type set in the robot matches the real one.
ko.remedy 프로그램의 조건을 수정하고(단위, 선택한 와이어 지름과 재질 확인), 로봇에 설정된 용접 전원 형식이 실제와 일치하는지 확인하십시오.
zh.remedy 修改程序中的焊接条件（检查单位以及所选焊丝直径和材质），并确认机器人中设定的焊接电源型号与实际一致。

@ 1455
en.msg Wire feed fault
ko.msg 와이어 송급 이상
zh.msg 送丝故障
en.cause The wire feeder did not move the wire as commanded: the feed motor is overloaded or the wire does not run. The wire is tangled on the spool, the liner is blocked, or the feed rolls slip.
ko.cause 와이어 송급 장치가 지령대로 와이어를 보내지 못했습니다. 송급 모터 과부하이거나 와이어가 나가지 않으며, 스풀의 와이어 엉킴, 라이너 막힘, 송급 롤러 미끄러짐이 원인입니다.
zh.cause 送丝机未按指令送丝：送丝电机过载或焊丝不动。原因为焊丝在焊丝盘上缠绕、送丝软管堵塞，或送丝轮打滑。
en.remedy Inch the wire and watch where it stops. Check the spool, the liner (blow it out or replace it), the feed roll groove size and pressure, and the contact tip.
ko.remedy 와이어를 인칭하면서 어디서 멈추는지 확인하십시오. 스풀, 라이너(에어 블로 또는 교체), 송급 롤러 홈 크기와 가압, 콘택트 팁을 점검하십시오.
zh.remedy 点动送丝，观察焊丝在何处停住。检查焊丝盘、送丝软管（吹净或更换）、送丝轮槽尺寸和压紧力以及导电嘴。

@ 1456
en.msg Arc start failure
ko.msg 아크 스타트 실패
zh.msg 起弧失败
en.cause The torch was switched on at the start point but the power source did not report welding current (current detection signal) within the arc start time, including the retries.
ko.cause 시작점에서 토치 스위치를 ON 했지만 재시도를 포함한 아크 스타트 시간 안에 용접 전원이 용접 전류(전류 검출 신호)를 알리지 않았습니다.
zh.cause 在起弧点焊枪开关已打开，但在起弧时间（含重试）内焊接电源未报告焊接电流（电流检测信号）。
en.check Is the wire touching clean metal at the start point: wire end balled or too long, contact tip worn, start point on rust, oil, primer or in the air?
en.fix Cut the wire to the correct stick-out, change a worn contact tip, clean the start area, and reteach the start point so the wire is 10 to 15 mm from the work.
ko.check 시작점에서 와이어가 깨끗한 모재에 닿고 있습니까? 와이어 끝의 볼이나 과도한 돌출, 콘택트 팁 마모, 시작점의 녹, 기름, 프라이머, 공중 위치를 확인하십시오.
ko.fix 와이어를 적정 돌출 길이로 자르고 마모된 콘택트 팁을 교환하며 시작 부위를 청소하고, 와이어와 모재 거리가 10~15 mm가 되도록 시작점을 재교시하십시오.
zh.check 起弧点处焊丝是否接触到干净的母材？焊丝端部是否成球或伸出过长、导电嘴是否磨损、起弧点是否有锈、油、底漆或悬空？
zh.fix 将焊丝剪到合适的伸出长度，更换磨损的导电嘴，清理起弧部位，重新示教起弧点使焊丝距工件10～15 mm。
en.check Does the welding current have a closed path: work earth cable, clamp and fixture contact, welding cable and power source output?
en.fix Check the earth clamp and its contact surface on the fixture, the welding cable connections at the power source and the feeder, and measure the no-load voltage at the torch when the torch switch is on.
ko.check 용접 전류 경로(모재 어스 케이블, 클램프와 지그 접촉, 용접 케이블, 용접 전원 출력)가 닫혀 있습니까?
ko.fix 어스 클램프와 지그의 접촉면, 용접 전원과 송급 장치의 용접 케이블 접속을 점검하고, 토치 스위치 ON 시 토치에서 무부하 전압을 측정하십시오.
zh.check 焊接电流回路是否闭合：工件地线、夹钳和夹具接触、焊接电缆和焊接电源输出？
zh.fix 检查地线夹及其与夹具的接触面、焊接电源和送丝机处的焊接电缆连接，并在焊枪开关打开时测量焊枪处的空载电压。

@ 1457
en.msg Arc lost during welding
ko.msg 용접 중 아크 끊김
zh.msg 焊接中断弧
en.cause During the seam the current detection signal from the power source dropped for longer than the allowed arc-out time, and the robot stopped on the seam.
ko.cause 용접 중에 용접 전원의 전류 검출 신호가 허용 아크 끊김 시간 이상 끊겨 로봇이 용접선 위에서 정지했습니다.
zh.cause 焊接过程中焊接电源的电流检测信号中断时间超过允许的断弧时间，机器人在焊缝上停止。
en.check Is the wire feed steady: spool nearly empty or tangled, liner dirty, feed roll pressure low, contact tip worn or spatter-filled?
en.fix Check the wire on the spool, blow out or replace the liner, set the feed roll pressure, and change the contact tip and clean the nozzle.
ko.check 와이어 송급이 안정적입니까? 스풀 잔량 부족이나 엉킴, 라이너 오염, 송급 롤러 가압 부족, 콘택트 팁 마모나 스패터 부착을 확인하십시오.
ko.fix 스풀의 와이어를 확인하고 라이너를 에어 블로하거나 교체하며, 송급 롤러 가압을 조정하고 콘택트 팁 교환과 노즐 청소를 하십시오.
zh.check 送丝是否稳定：焊丝盘将空或缠绕、送丝软管脏污、送丝轮压紧力不足、导电嘴磨损或粘有飞溅？
zh.fix 检查焊丝盘上的焊丝，吹净或更换送丝软管，调整送丝轮压紧力，更换导电嘴并清理喷嘴。
en.check Do the welding conditions and torch position fit the joint: gap too large, torch angle or stick-out changed, gas coverage disturbed by draught?
en.fix Check the gap and fit-up of the parts, retouch the torch angle and distance at the stopped step, and shield the cell from draught; restart from the stopped point with overlap.
ko.check 용접 조건과 토치 위치가 이음부에 맞습니까? 갭 과대, 토치 각도나 돌출 길이 변화, 바람에 의한 가스 실드 불량을 확인하십시오.
ko.fix 부품의 갭과 맞춤 상태를 확인하고 정지 스텝의 토치 각도와 거리를 수정하며 셀에 바람이 들지 않도록 하십시오. 정지점에서 겹치기로 재기동하십시오.
zh.check 焊接条件和焊枪位置是否与接头相符：间隙过大、焊枪角度或伸出长度变化、气体保护受风影响？
zh.fix 检查工件间隙和装配，修正停止步骤处的焊枪角度和距离，并为单元挡风；从停止点重叠一段后重新起焊。

@ 1458
en.msg Torch cooling water flow low
ko.msg 토치 냉각수 유량 부족
zh.msg 焊枪冷却水流量不足
en.cause The flow switch of the water-cooled torch reports too little water. The cooler is off or low on coolant, or a hose is kinked.
ko.cause 수랭 토치의 유량 스위치가 수량 부족을 알리고 있습니다. 냉각기가 꺼져 있거나 냉각수가 부족하거나 호스가 꺾여 있습니다.
zh.cause 水冷焊枪的流量开关报告水量不足。原因为冷却器未开、冷却液不足，或水管弯折。
en.remedy Check that the cooler runs and its tank is filled, and check the hoses along the arm for kinks and leaks. Do not weld with a water-cooled torch without cooling.
ko.remedy 냉각기가 동작하고 탱크가 채워져 있는지, 암을 따라가는 호스에 꺾임이나 누수가 없는지 확인하십시오. 수랭 토치는 냉각 없이 용접하지 마십시오.
zh.remedy 确认冷却器运转且水箱已加满，检查沿手臂布置的水管有无弯折和泄漏。水冷焊枪不得在无冷却状态下焊接。

@ 1460
en.msg Wire stick detected
ko.msg 와이어 스틱 검출
zh.msg 检测到焊丝粘丝
en.cause After the arc was switched off at the end of the seam, the stick check found the wire still welded to the work piece (crater). The burn-back time is too short, the crater condition is too low, or the contact tip is worn.
ko.cause 용접 종료 시 아크를 끈 후 스틱 확인에서 와이어가 공작물(크레이터)에 붙어 있는 것이 검출되었습니다. 번백 시간이 너무 짧거나 크레이터 조건이 너무 낮거나 콘택트 팁이 마모되었습니다.
zh.cause 焊缝结束熄弧后，粘丝检查发现焊丝仍粘在工件（弧坑）上。原因为回烧时间过短、收弧条件过低，或导电嘴磨损。
en.remedy Cut the wire at the nozzle with wire cutters (the robot stays where it is), then retract and check the contact tip. Lengthen the burn-back time or raise the crater voltage slightly.
ko.remedy 로봇을 그 자리에 둔 채 니퍼로 노즐 끝에서 와이어를 자른 후 후퇴시키고 콘택트 팁을 점검하십시오. 번백 시간을 늘리거나 크레이터 전압을 약간 높이십시오.
zh.remedy 机器人保持原位，用剪钳在喷嘴处剪断焊丝，然后退回并检查导电嘴。延长回烧时间或适当提高收弧电压。

@ 1462
en.msg Shielding gas flow low
ko.msg 보호 가스 유량 부족
zh.msg 保护气体流量不足
en.cause The gas flow sensor reported too little shielding gas while welding. The cylinder is empty, the regulator is closed or frozen, the gas valve does not open, or a hose leaks.
ko.cause 용접 중 가스 유량 센서가 보호 가스 부족을 알렸습니다. 가스 용기가 비었거나, 레귤레이터가 닫혔거나 얼었거나, 가스 밸브가 열리지 않거나, 호스가 새고 있습니다.
zh.cause 焊接中气体流量传感器报告保护气体不足。原因为气瓶已空、减压器关闭或冻结、气阀未打开，或气管泄漏。
en.remedy Check the cylinder pressure and the flow meter (typically 15 to 20 l/min), use the gas check output to test the valve, and check the hoses for leaks. Inspect the welds made since the last good state for porosity.
ko.remedy 가스 용기 압력과 유량계(통상 15~20 L/min)를 확인하고 가스 체크 출력으로 밸브를 시험하며 호스 누설을 점검하십시오. 마지막 정상 상태 이후의 용접부에 기공이 없는지 검사하십시오.
zh.remedy 检查气瓶压力和流量计（通常15～20 L/min），用气体检查输出测试气阀，并检查气管有无泄漏。检查自上次正常以来所焊焊缝有无气孔。

@ 1463
en.msg Touch sensing: work not detected
ko.msg 터치 센싱 공작물 미검출
zh.msg 接触传感未检测到工件
en.cause During a touch sensing search the wire did not touch the work within the search distance. The part is missing or out of place by more than the search range, or the sensing voltage does not reach the wire.
ko.cause 터치 센싱 탐색 중에 와이어가 탐색 거리 안에서 공작물에 닿지 않았습니다. 부품이 없거나 탐색 범위 이상 벗어나 있거나, 센싱 전압이 와이어에 인가되지 않습니다.
zh.cause 接触传感搜索时焊丝在搜索距离内未碰到工件。原因为工件缺失或偏差超过搜索范围，或传感电压未加到焊丝上。
en.remedy Check that the part is present and clamped, cut the wire to the correct stick-out, and clean the surface at the search point. Test the touch sensing signal by touching the work with the wire by hand in teach mode.
ko.remedy 부품이 있고 클램프되어 있는지 확인하고 와이어를 적정 돌출 길이로 자르며 탐색 지점의 표면을 청소하십시오. 티치 모드에서 와이어를 공작물에 직접 대어 터치 센싱 신호를 시험하십시오.
zh.remedy 确认工件在位且已夹紧，将焊丝剪到合适伸出长度，并清理搜索点处的表面。在示教模式下用焊丝接触工件，测试接触传感信号。

@ 1470
en.msg Welding power source alarm
ko.msg 용접 전원 알람
zh.msg 焊接电源报警
en.cause The welding power source reported an alarm of its own (overheat, primary voltage, output overcurrent, feed motor overload), and the robot stopped.
ko.cause 용접 전원이 자체 알람(과열, 1차 전압, 출력 과전류, 송급 모터 과부하)을 알려 로봇이 정지했습니다.
zh.cause 焊接电源报告了自身报警（过热、一次电压、输出过电流、送丝电机过载），机器人停止。
en.remedy Read the alarm number on the power source display and follow its manual; let it cool if it overheated and check its fan and duty cycle. Reset the power source and then the robot.
ko.remedy 용접 전원 표시부의 알람 번호를 읽고 해당 설명서에 따라 조치하십시오. 과열이면 식힌 후 팬과 사용률을 점검하고, 용접 전원을 리셋한 다음 로봇을 리셋하십시오.
zh.remedy 读取焊接电源显示屏上的报警号并按其说明书处理；如过热，待冷却后检查风扇和负载持续率。先复位焊接电源，再复位机器人。

@ 1480
en.msg Seam tracking correction limit exceeded
ko.msg 용접선 추적 보정량 한계 초과
zh.msg 焊缝跟踪修正量超限
en.cause The correction calculated by the arc sensor (weaving current tracking) exceeded its limit, so the path would leave the taught seam too far. The part is out of place, the gap changed, or the weaving is not centred on the joint.
ko.cause 아크 센서(위빙 전류 추적)가 계산한 보정량이 한계를 초과하여 경로가 교시한 용접선에서 너무 벗어나게 됩니다. 부품 위치 불량, 갭 변화, 위빙 중심이 이음부에 맞지 않은 경우입니다.
zh.cause 电弧传感（摆动电流跟踪）计算的修正量超过限值，轨迹将过度偏离示教的焊缝。原因为工件位置偏差、间隙变化，或摆动中心未对准接头。
en.remedy Check the part position and fit-up, and reteach the seam so that the weaving is centred on the joint. Raise the limit only if the part tolerance really requires it.
ko.remedy 부품 위치와 맞춤 상태를 확인하고 위빙이 이음부 중심에 오도록 용접선을 재교시하십시오. 부품 공차상 꼭 필요한 경우에만 한계를 늘리십시오.
zh.remedy 检查工件位置和装配，重新示教焊缝使摆动中心对准接头。仅在工件公差确实需要时才放大限值。

@ 1494
en.msg Process complete signal timeout
ko.msg 공정 완료 신호 타임아웃
zh.msg 工艺完成信号超时
en.cause The robot sent a process start (weld, clamp, grip, or a request to the line PLC) and did not receive the matching complete signal within the set time, so it halted at that step.
ko.cause 로봇이 공정 시작(용접, 클램프, 그립 또는 라인 PLC로의 요구)을 출력했으나 설정 시간 안에 해당 완료 신호를 받지 못하여 그 스텝에서 정지했습니다.
zh.cause 机器人发出了工艺开始信号（焊接、夹紧、抓取或向生产线PLC的请求），但在设定时间内未收到相应的完成信号，因而在该步骤停止。
en.check Is the timeout set long enough for the process (weld time plus hold, valve and cylinder stroke time, PLC cycle)?
en.fix Measure the real process time on the I/O monitor and set the timeout to about twice that time.
ko.check 타임아웃이 공정에 충분한 길이(용접 시간과 유지 시간, 밸브와 실린더 스트로크 시간, PLC 사이클)로 설정되어 있습니까?
ko.fix I/O 모니터에서 실제 공정 시간을 측정하고 타임아웃을 그 약 2배로 설정하십시오.
zh.check 超时时间是否足够覆盖工艺时间（焊接时间加保持时间、阀和气缸行程时间、PLC扫描周期）？
zh.fix 在I/O监视画面中测量实际工艺时间，将超时时间设为其约两倍。
en.check Did the start output actually switch on (output LED, I/O monitor) and reach the device?
en.fix Check the output on the I/O monitor and at the terminal; if the output is on but the device sees nothing, check the wiring and the device input.
ko.check 시작 출력이 실제로 ON 되어(출력 LED, I/O 모니터) 기기까지 전달되었습니까?
ko.fix I/O 모니터와 단자에서 출력을 확인하고, 출력은 ON 인데 기기가 받지 못하면 배선과 기기 입력을 점검하십시오.
zh.check 开始输出是否确实接通（输出指示灯、I/O监视）并到达设备？
zh.fix 在I/O监视画面和端子处检查该输出；如输出已接通但设备未收到，检查接线和设备输入。
en.check Is the complete signal assigned to the input number the program waits for?
en.fix Compare the input number in the program or process settings with the I/O assignment and the wiring diagram, and correct the assignment.
ko.check 완료 신호가 프로그램이 기다리는 입력 번호에 할당되어 있습니까?
ko.fix 프로그램 또는 공정 설정의 입력 번호를 I/O 할당 및 배선도와 비교하여 할당을 수정하십시오.
zh.check 完成信号是否分配到程序所等待的输入编号？
zh.fix 将程序或工艺设定中的输入编号与I/O分配和接线图对比，修正分配。
en.check Is the 24 V supply of the process signals present?
en.fix Measure the 24 V at the I/O terminals and at the device; check the fuse and the power supply of the tool signals.
ko.check 공정 신호의 24 V 전원이 정상입니까?
ko.fix I/O 단자와 기기에서 24 V를 측정하고 툴 신호용 퓨즈와 전원을 점검하십시오.
zh.check 工艺信号的24 V电源是否正常？
zh.fix 在I/O端子和设备处测量24 V电压，检查工具信号用保险丝和电源。
en.check Is the signal cable in the dress pack or at the tool connector damaged (breaks at the wrist, loose tool changer contacts)?
en.fix Move the wrist while watching the input on the I/O monitor; repair the cable or clean and tighten the tool connector or tool changer contacts.
ko.check 드레스 팩이나 툴 커넥터의 신호 케이블이 손상되지 않았습니까(손목부 단선, 툴 체인저 접점 풀림)?
ko.fix I/O 모니터로 입력을 보면서 손목을 움직여 보고, 케이블을 수리하거나 툴 커넥터 또는 툴 체인저 접점을 청소하고 조이십시오.
zh.check 管线包内或工具连接器处的信号电缆是否损坏（手腕处断线、快换盘触点松动）？
zh.fix 一边在I/O监视画面观察该输入，一边转动手腕；修理电缆，或清洁并紧固工具连接器或快换盘触点。
en.check Is the process device ready and free of faults (weld timer or power source alarm, gripper or clamp controller fault)?
en.fix Read the device's own display, clear its fault and check its ready signal before restarting.
ko.check 공정 기기가 준비 완료 상태이고 이상이 없습니까(용접 타이머나 용접 전원 알람, 그리퍼 또는 클램프 컨트롤러 이상)?
ko.fix 기기 자체의 표시를 읽고 이상을 해제한 후 준비 신호를 확인하고 재기동하십시오.
zh.check 工艺设备是否就绪且无故障（焊接控制器或焊接电源报警、夹爪或夹紧控制器故障）？
zh.fix 查看设备自身的显示，清除故障并确认其就绪信号后再重新启动。
en.check Is the compressed air pressure sufficient for pneumatic tools and clamps (usually at least 0.5 MPa)?
en.fix Check the pressure gauge at the robot's air unit, the main valve and the filter; repair leaks in the hoses.
ko.check 공압 툴과 클램프에 필요한 압축 공기 압력(통상 0.5 MPa 이상)이 충분합니까?
ko.fix 로봇 에어 유닛의 압력계, 메인 밸브, 필터를 확인하고 호스의 누기를 수리하십시오.
zh.check 气动工具和夹具所需的压缩空气压力是否足够（通常不低于0.5 MPa）？
zh.fix 检查机器人气源处理单元的压力表、总阀和过滤器，修理气管泄漏。
en.check Do the confirmation sensors (clamp, gripper, part present) switch at the right position?
en.fix Watch the sensor LED while operating the tool manually and adjust or replace the sensor; clean weld spatter off proximity switches.
ko.check 확인 센서(클램프, 그리퍼, 부품 있음)가 올바른 위치에서 동작합니까?
ko.fix 툴을 수동 조작하면서 센서 LED를 확인하여 센서를 조정하거나 교체하고, 근접 스위치의 용접 스패터를 제거하십시오.
zh.check 确认传感器（夹紧、夹爪、工件在位）是否在正确位置动作？
zh.fix 手动操作工具的同时观察传感器指示灯，调整或更换传感器，清除接近开关上的焊接飞溅。
en.check Does the PLC answer the request in the expected order (handshake bits not cleared too early, interlock conditions met)?
en.fix Compare the signal sequence in the stop record with the PLC program and correct the handshake so the complete signal stays on until the robot clears its request.
ko.check PLC가 요구에 기대한 순서로 응답합니까(핸드셰이크 비트의 조기 해제 없음, 인터록 조건 충족)?
ko.fix 정지 기록의 신호 순서를 PLC 프로그램과 비교하여, 로봇이 요구를 해제할 때까지 완료 신호가 유지되도록 핸드셰이크를 수정하십시오.
zh.check PLC是否按预期顺序应答请求（握手位没有过早清除，互锁条件已满足）？
zh.fix 将停止记录中的信号顺序与PLC程序对照，修改握手逻辑，使完成信号保持到机器人清除请求为止。
en.check If the device is on the fieldbus, is its connection healthy (no retries or dropouts in the bus diagnostics)?
en.fix Check the bus diagnostics for this node, its cable and connectors, and the network load; replace a faulty bus module.
ko.check 기기가 필드버스에 연결된 경우 접속 상태가 양호합니까(버스 진단에 재시도나 끊김이 없음)?
ko.fix 해당 노드의 버스 진단, 케이블과 커넥터, 네트워크 부하를 점검하고 불량 버스 모듈을 교체하십시오.
zh.check 如设备连接在现场总线上，其连接是否正常（总线诊断中无重试或掉线）？
zh.fix 检查该节点的总线诊断、电缆和连接器以及网络负载，更换故障的总线模块。

@ 1495
en.msg Process complete signal already on at start
ko.msg 시작 시 공정 완료 신호 이미 ON
zh.msg 开始时工艺完成信号已为ON
en.cause When the robot sent the process start, the complete signal was already on from the previous cycle, so the robot cannot tell whether this process has finished. The device or PLC did not reset the signal, or the input is stuck on.
ko.cause 로봇이 공정 시작을 출력했을 때 완료 신호가 이전 사이클에서 이미 ON 상태여서 이번 공정의 완료를 판단할 수 없습니다. 기기나 PLC가 신호를 리셋하지 않았거나 입력이 ON 상태로 고착되었습니다.
zh.cause 机器人发出工艺开始信号时，完成信号仍保持上一循环的ON状态，机器人无法判断本次工艺是否完成。原因为设备或PLC未复位该信号，或输入一直粘在ON。
en.remedy Check on the I/O monitor that the complete input goes off after the robot clears its start output. Correct the device or PLC handshake, or replace a sensor that stays on.
ko.remedy 로봇이 시작 출력을 해제한 후 완료 입력이 OFF 되는지 I/O 모니터로 확인하십시오. 기기나 PLC의 핸드셰이크를 수정하거나 계속 ON 되는 센서를 교체하십시오.
zh.remedy 在I/O监视画面确认机器人清除开始输出后完成输入会变为OFF。修改设备或PLC的握手逻辑，或更换一直为ON的传感器。

@ 1520
en.msg Positioner calibration not done
ko.msg 포지셔너 캘리브레이션 미실시
zh.msg 变位机未校准
en.cause A coordinated motion with an external positioner or track was started, but the relation between the robot and that axis (base calibration) has not been taught, or it was reset by a parameter change.
ko.cause 외부 포지셔너나 주행축과의 협조 동작을 시작했으나 로봇과 해당 축 간의 관계(베이스 캘리브레이션)가 교시되지 않았거나 파라미터 변경으로 리셋되었습니다.
zh.cause 启动了与外部变位机或行走轴的协调动作，但机器人与该轴之间的关系（基座标定）尚未示教，或因参数变更被复位。
en.remedy Run the positioner calibration (teach the reference point with the robot tool at several positioner angles) and save it. Check a coordinated step slowly before automatic operation.
ko.remedy 포지셔너 캘리브레이션(여러 포지셔너 각도에서 로봇 툴로 기준점 교시)을 실행하고 저장하십시오. 자동 운전 전에 협조 스텝을 저속으로 확인하십시오.
zh.remedy 执行变位机标定（在变位机的多个角度下用机器人工具示教基准点）并保存。自动运行前低速确认协调步骤。

@ 2800
en.msg Conveyor tracking: work outside tracking window
ko.msg 컨베이어 트래킹: 공작물 트래킹 범위 밖
zh.msg 传送带跟踪：工件超出跟踪范围
en.cause When the robot was to start or continue tracking, the work position calculated from the conveyor encoder was outside the tracking window (not yet in reach, or already past the downstream limit). The robot held the program.
ko.cause 로봇이 트래킹을 시작하거나 계속하려 할 때, 컨베이어 엔코더로 계산한 공작물 위치가 트래킹 범위 밖(아직 도달 전이거나 이미 하류 한계를 지남)이어서 프로그램을 정지했습니다.
zh.cause 机器人开始或继续跟踪时，根据传送带编码器计算的工件位置位于跟踪范围之外（尚未到达，或已越过下游极限），程序被暂停。
en.check Does the conveyor speed match what the program was taught for (line speed raised, or the conveyor started and stopped during the cycle)?
en.fix Compare the conveyor speed on the tracking monitor with the taught speed; reduce the line speed, or retouch the tracking steps so the robot finishes before the downstream limit.
ko.check 컨베이어 속도가 프로그램 교시 시의 속도와 일치합니까(라인 속도 상승, 사이클 중 컨베이어 기동과 정지)?
ko.fix 트래킹 모니터의 컨베이어 속도를 교시 속도와 비교하고 라인 속도를 낮추거나, 로봇이 하류 한계 전에 작업을 마치도록 트래킹 스텝을 수정하십시오.
zh.check 传送带速度是否与示教程序时的速度一致（线速提高，或循环中传送带启停）？
zh.fix 将跟踪监视画面中的传送带速度与示教速度对比；降低线速，或修改跟踪步骤使机器人在下游极限之前完成作业。
en.check Is the part detection sensor triggered at the right place and only once per part?
en.fix Check the sensor position and reflector, clean the sensor, and check on the tracking monitor that each part creates exactly one entry.
ko.check 부품 검출 센서가 올바른 위치에서 부품당 한 번만 동작합니까?
ko.fix 센서 위치와 반사판을 확인하고 센서를 청소하며, 트래킹 모니터에서 부품마다 정확히 하나의 항목이 생기는지 확인하십시오.
zh.check 工件检测传感器是否在正确位置触发，且每个工件只触发一次？
zh.fix 检查传感器位置和反光板，清洁传感器，并在跟踪监视画面中确认每个工件只生成一条记录。
en.check Are the tracking window limits and the encoder scale (pulses per mm) correct?
en.fix Measure the scale by moving the conveyor a known distance and comparing the encoder count, then check the upstream and downstream limits against the robot's reach.
ko.check 트래킹 범위 한계와 엔코더 스케일(mm당 펄스)이 올바릅니까?
ko.fix 컨베이어를 알려진 거리만큼 이동시켜 엔코더 카운트와 비교하여 스케일을 측정하고, 상류와 하류 한계를 로봇 도달 범위와 비교하십시오.
zh.check 跟踪范围极限和编码器比例（每毫米脉冲数）是否正确？
zh.fix 使传送带移动一段已知距离并与编码器计数比较以测定比例，然后对照机器人可达范围检查上游和下游极限。

@ 2801
en.msg Conveyor encoder disconnected
ko.msg 컨베이어 엔코더 분리
zh.msg 传送带编码器断开
en.cause The signal of the conveyor encoder is missing or one channel is broken (line-break detection). The encoder cable or connector is damaged, or the encoder has no supply.
ko.cause 컨베이어 엔코더 신호가 없거나 한 채널이 단선되었습니다(단선 검출). 엔코더 케이블이나 커넥터가 손상되었거나 엔코더에 전원이 없습니다.
zh.cause 传送带编码器信号缺失或某一通道断线（断线检测）。原因为编码器电缆或连接器损坏，或编码器无电源。
en.remedy Check the encoder supply and the cable to the tracking board, and the coupling of the encoder to the conveyor shaft. Replace the cable or the encoder.
ko.remedy 엔코더 전원과 트래킹 보드까지의 케이블, 엔코더와 컨베이어 축의 커플링을 점검하고 케이블 또는 엔코더를 교체하십시오.
zh.remedy 检查编码器电源和至跟踪板的电缆，以及编码器与传送带轴的联轴器。更换电缆或编码器。

@ 2802
en.msg Tracking queue overflow
ko.msg 트래킹 대기열 초과
zh.msg 跟踪队列溢出
en.cause More parts were detected than the tracking queue can hold. The robot is too slow for the part rate, or the part sensor triggers several times per part.
ko.cause 트래킹 대기열이 보관할 수 있는 것보다 많은 부품이 검출되었습니다. 부품 투입 속도에 비해 로봇이 느리거나 부품 센서가 부품당 여러 번 동작합니다.
zh.cause 检测到的工件数超过跟踪队列的容量。原因为机器人速度跟不上来料节拍，或工件传感器对每个工件触发多次。
en.remedy Check the part sensor for multiple triggers (add a minimum distance between parts), and compare the robot's cycle time with the part rate of the line.
ko.remedy 부품 센서의 중복 동작을 점검하고(부품 간 최소 거리 설정), 로봇 사이클 타임과 라인 부품 투입 속도를 비교하십시오.
zh.remedy 检查工件传感器是否重复触发（设定工件间最小距离），并将机器人节拍与生产线来料节拍比较。

@ 2803
en.msg Conveyor speed too high for tracking
ko.msg 트래킹 대비 컨베이어 속도 과대
zh.msg 传送带速度超过跟踪允许值
en.cause The conveyor speed measured by the encoder exceeded the maximum tracking speed set for the robot.
ko.cause 엔코더로 측정한 컨베이어 속도가 로봇에 설정된 최대 트래킹 속도를 초과했습니다.
zh.cause 通过编码器测得的传送带速度超过为机器人设定的最大跟踪速度。
en.remedy Check the line speed setting with the line control, and check the encoder scale if the displayed speed differs from the real one.
ko.remedy 라인 제어 측과 라인 속도 설정을 확인하고, 표시 속도가 실제와 다르면 엔코더 스케일을 점검하십시오.
zh.remedy 与生产线控制方确认线速设定；如显示速度与实际不符，检查编码器比例。

@ 2805
en.msg Conveyor stopped during tracking
ko.msg 트래킹 중 컨베이어 정지
zh.msg 跟踪中传送带停止
en.cause The conveyor stopped (conveyor run input off, or no encoder pulses) while the robot was working on a tracked part, and the robot held its motion.
ko.cause 로봇이 트래킹 중인 부품을 작업하는 동안 컨베이어가 정지하여(컨베이어 운전 입력 OFF 또는 엔코더 펄스 없음) 로봇이 동작을 정지했습니다.
zh.cause 机器人在对跟踪中的工件作业时传送带停止（传送带运行输入OFF或无编码器脉冲），机器人暂停动作。
en.remedy Find why the line stopped and restart the conveyor, then restart the robot; it resumes tracking when the conveyor moves. If the conveyor was running, check the run input and the encoder signal.
ko.remedy 라인이 정지한 원인을 찾아 컨베이어를 재기동한 후 로봇을 재기동하십시오. 컨베이어가 움직이면 트래킹을 재개합니다. 컨베이어가 운전 중이었다면 운전 입력과 엔코더 신호를 점검하십시오.
zh.remedy 查明生产线停止的原因，重新启动传送带后再启动机器人；传送带运动后机器人会继续跟踪。如传送带实际在运行，检查运行输入和编码器信号。

@ 10000
en.msg Built-in PLC program stopped
ko.msg 내장 PLC 프로그램 정지
zh.msg 内置PLC程序停止
en.cause The ladder program of the built-in PLC option stopped executing, so the signals it handles (interlocks, tool and cell logic) are frozen and the robot program was halted.
ko.cause 내장 PLC 옵션의 래더 프로그램 실행이 정지하여, 그 래더가 처리하는 신호(인터록, 툴 및 셀 로직)가 고정되고 로봇 프로그램이 정지했습니다.
zh.cause 内置PLC选项的梯形图程序停止执行，其处理的信号（互锁、工具和单元逻辑）被冻结，机器人程序暂停。
en.check Was the ladder stopped on purpose (edit or stop command from the pendant or a PC) and not restarted?
en.fix Open the built-in PLC screen, check its state and start the ladder again after the edit is saved.
ko.check 래더를 의도적으로 정지(펜던트나 PC에서 편집 또는 정지 명령)한 후 재기동하지 않았습니까?
ko.fix 내장 PLC 화면에서 상태를 확인하고, 편집 내용을 저장한 후 래더를 다시 기동하십시오.
zh.check 梯形图是否被有意停止（通过示教器或电脑编辑或停止）后未重新启动？
zh.fix 打开内置PLC画面查看其状态，保存编辑内容后重新启动梯形图。
en.check Did the ladder stop on an error (invalid instruction, address out of range, checksum error after loading)?
en.fix Read the error step shown on the built-in PLC screen, correct the ladder at that rung or reload the last good ladder from the backup, and restart it.
ko.check 래더가 오류(무효 명령, 주소 범위 초과, 로드 후 체크섬 오류)로 정지하지 않았습니까?
ko.fix 내장 PLC 화면에 표시된 오류 스텝을 확인하여 해당 렁을 수정하거나 백업에서 마지막 정상 래더를 다시 로드한 후 기동하십시오.
zh.check 梯形图是否因错误（无效指令、地址超出范围、装入后校验和错误）而停止？
zh.fix 查看内置PLC画面显示的出错步，修改该梯级，或从备份中重新装入最后一个正常的梯形图，然后启动。

@ 10001
en.msg Built-in PLC scan time over
ko.msg 내장 PLC 스캔 시간 초과
zh.msg 内置PLC扫描时间超限
en.cause One scan of the built-in PLC ladder took longer than the allowed scan time, so signal handling may be late; the robot program was halted for safety.
ko.cause 내장 PLC 래더의 1회 스캔이 허용 스캔 시간보다 오래 걸려 신호 처리가 늦어질 수 있으므로 안전을 위해 로봇 프로그램을 정지했습니다.
zh.cause 内置PLC梯形图一次扫描的时间超过允许扫描时间，信号处理可能滞后，为安全起见机器人程序被暂停。
en.check Has the ladder grown long, or does it contain loops, large block transfers or many timers in one scan?
en.fix Remove unused rungs, split large data transfers over several scans, and avoid loops in the ladder; check the scan time display after the change.
ko.check 래더가 길어졌거나 한 스캔 안에 루프, 대량 블록 전송, 다수의 타이머가 있지 않습니까?
ko.fix 사용하지 않는 렁을 삭제하고 대량 데이터 전송을 여러 스캔으로 나누며 래더의 루프를 피하십시오. 변경 후 스캔 시간 표시를 확인하십시오.
zh.check 梯形图是否变长，或一次扫描中包含循环、大量块传送或大量定时器？
zh.fix 删除未使用的梯级，将大量数据传送分到多个扫描中执行，避免在梯形图中使用循环；修改后查看扫描时间显示。
en.check Is the scan time setting too short for the controller load (many fieldbus signals, tracking or other options active)?
en.fix Set the scan time to a longer value that the process still accepts, or reduce the number of signals the ladder copies each scan.
ko.check 스캔 시간 설정이 제어기 부하(다수의 필드버스 신호, 트래킹 등 옵션 사용)에 비해 너무 짧지 않습니까?
ko.fix 공정이 허용하는 범위에서 스캔 시간 설정을 늘리거나 래더가 매 스캔 복사하는 신호 수를 줄이십시오.
zh.check 扫描时间设定对控制柜负载而言是否过短（大量现场总线信号、启用了跟踪等选项）？
zh.fix 在工艺允许范围内加长扫描时间设定，或减少梯形图每次扫描复制的信号数量。
"""

# ===========================================================================
# Lum/Luma warnings (the program keeps running)
# ===========================================================================
LUM_WARNINGS = r"""
@ 0101
en.msg Axis %d encoder battery voltage low
ko.msg %d축 엔코더 배터리 전압 저하
zh.msg 第%d轴 编码器电池电压低
en.cause The backup battery of the absolute encoder of this axis has dropped below its warning level. If the controller is switched off for long with a flat battery, the axis loses its absolute position.
ko.cause 해당 축 앱솔루트 엔코더의 백업 배터리가 경고 레벨 아래로 떨어졌습니다. 배터리가 방전된 상태로 제어기 전원을 오래 끄면 축의 절대 위치가 소실됩니다.
zh.cause 该轴绝对值编码器的备份电池低于警告电压。电池电量耗尽时如控制柜长时间断电，该轴将丢失绝对位置。
en.remedy Replace the encoder batteries soon, with the controller switched on so that no position is lost; replace all batteries of the robot at the same time.
ko.remedy 위치가 소실되지 않도록 제어기 전원을 켠 상태에서 빠른 시일 내에 엔코더 배터리를 교체하십시오. 로봇의 배터리는 모두 함께 교체하십시오.
zh.remedy 尽快在控制柜通电状态下更换编码器电池，以免丢失位置；机器人的所有电池应同时更换。

@ 0102
en.msg Controller backup battery low
ko.msg 제어기 백업 배터리 저하
zh.msg 控制柜备份电池电量低
en.cause The battery that keeps the memory and the clock of the CPU board while the controller is off has dropped below its warning level.
ko.cause 제어기 전원이 꺼져 있는 동안 CPU 보드의 메모리와 시계를 유지하는 배터리가 경고 레벨 아래로 떨어졌습니다.
zh.cause 控制柜断电期间为CPU板存储器和时钟供电的电池低于警告电压。
en.remedy Take a full backup, then replace the battery with the controller switched on (or within the time given on the battery label). Check the date and time afterwards.
ko.remedy 전체 백업을 받은 후 제어기 전원을 켠 상태에서(또는 배터리 라벨에 표시된 시간 안에) 배터리를 교체하십시오. 교체 후 날짜와 시간을 확인하십시오.
zh.remedy 先做一次完整备份，然后在控制柜通电状态下（或在电池标签注明的时间内）更换电池。更换后检查日期和时间。

@ 0103
en.msg Controller cabinet temperature high
ko.msg 제어기 캐비닛 온도 높음
zh.msg 控制柜温度高
en.cause The temperature inside the controller cabinet is above its warning level. The fans or filters are blocked, the door is open, or the ambient temperature is high.
ko.cause 제어기 캐비닛 내부 온도가 경고 레벨을 초과했습니다. 팬이나 필터가 막혔거나, 문이 열려 있거나, 주위 온도가 높습니다.
zh.cause 控制柜内部温度超过警告值。原因为风扇或过滤网堵塞、柜门开着，或环境温度高。
en.remedy Clean or replace the air filters, check the fans, close the cabinet door, and keep heat sources (welding transformers, ovens) away from the cabinet.
ko.remedy 에어 필터를 청소 또는 교체하고 팬을 점검하며 캐비닛 문을 닫고, 열원(용접 트랜스, 오븐)을 캐비닛에서 멀리 하십시오.
zh.remedy 清洁或更换过滤网，检查风扇，关闭柜门，并使热源（焊接变压器、烘炉）远离控制柜。

@ 0104
en.msg Cabinet cooling fan speed low
ko.msg 캐비닛 냉각 팬 회전 저하
zh.msg 控制柜冷却风扇转速低
en.cause One of the cabinet fans turns slower than normal. It is clogged with dust or its bearing is worn.
ko.cause 캐비닛 팬 중 하나가 정상보다 느리게 돌고 있습니다. 먼지가 끼었거나 베어링이 마모되었습니다.
zh.cause 控制柜某个风扇转速低于正常值。风扇积尘或轴承磨损。
en.remedy Clean the fan at the next stop and replace it if the warning returns.
ko.remedy 다음 정지 시에 팬을 청소하고 경고가 재발하면 교체하십시오.
zh.remedy 在下次停机时清洁风扇，如警告再次出现则更换。

@ 0105
en.msg Periodic maintenance due (grease)
ko.msg 정기 점검 시기 (그리스)
zh.msg 定期保养到期（润滑脂）
en.cause The operating time since the last grease change of the reducers reached the maintenance interval set in the controller. The warning repeats at each power-on until the counter is reset.
ko.cause 마지막 감속기 그리스 교환 이후의 운전 시간이 제어기에 설정된 점검 주기에 도달했습니다. 카운터를 리셋할 때까지 전원 투입 시마다 경고가 반복됩니다.
zh.cause 自上次更换减速机润滑脂以来的运行时间达到控制柜中设定的保养周期。在计数器复位之前，每次上电都会重复该警告。
en.remedy Plan the grease change of the axes due (see the maintenance screen for which axes), use the grease type and quantity given in the maintenance manual, and reset the maintenance counter afterwards.
ko.remedy 대상 축(점검 화면에서 확인)의 그리스 교환을 계획하고 보수 설명서의 그리스 종류와 양을 사용한 후 점검 카운터를 리셋하십시오.
zh.remedy 安排到期各轴（在保养画面中查看）的润滑脂更换，按维护手册使用规定种类和用量的润滑脂，之后复位保养计数器。

@ 0106
en.msg Brake check due
ko.msg 브레이크 점검 시기
zh.msg 抱闸检查到期
en.cause The time since the last brake check exceeded the interval set in the controller. The holding torque of the brakes has not been verified recently.
ko.cause 마지막 브레이크 점검 이후의 시간이 제어기에 설정된 주기를 초과했습니다. 최근에 브레이크 유지 토크가 확인되지 않았습니다.
zh.cause 距上次抱闸检查的时间超过控制柜中设定的周期，近期未确认抱闸保持力矩。
en.remedy Run the brake check program at the next production break (the robot must be free to move a few degrees on each axis). Replace the motor of any axis that fails.
ko.remedy 다음 생산 휴지 시간에 브레이크 점검 프로그램을 실행하십시오(각 축이 몇 도 움직일 수 있는 여유 필요). 불합격한 축은 모터를 교체하십시오.
zh.remedy 在下次生产间歇运行抱闸检查程序（各轴需有几度的活动空间）。检查不合格的轴更换电机。

@ 0107
en.msg Axis %d motor temperature high
ko.msg %d축 모터 온도 높음
zh.msg 第%d轴 电机温度高
en.cause The estimated or measured motor temperature of this axis is close to its limit. The axis works near its continuous rating in this cycle.
ko.cause 해당 축 모터의 추정 또는 측정 온도가 한계에 가깝습니다. 이 사이클에서 축이 연속 정격 부근으로 운전되고 있습니다.
zh.cause 该轴电机的推定或实测温度接近限值，该轴在当前节拍中接近连续额定值运行。
en.remedy Check the load monitor of the axis and reduce speed, acceleration or dwell under load in the heavy section before it becomes an overload error. Check the tool load data.
ko.remedy 과부하 에러가 되기 전에 축의 부하 모니터를 확인하고 부하가 큰 구간의 속도, 가속도, 부하 상태의 정지 시간을 줄이십시오. 툴 부하 데이터를 확인하십시오.
zh.remedy 在变为过载报警之前，查看该轴负载监视，降低重载区段的速度、加速度或带载停留时间。检查工具负载数据。

@ 0108
en.msg Electrode tip wear near limit
ko.msg 전극 팁 마모량 한계 근접
zh.msg 电极帽磨损接近限值
en.cause The measured tip wear of the servo gun is close to its limit.
ko.cause 측정된 서보 건의 팁 마모량이 한계에 가깝습니다.
zh.cause 测得的伺服焊钳电极帽磨损量接近限值。
en.remedy Prepare new tips and change them at the next planned stop, then reset the wear data.
ko.remedy 새 팁을 준비하여 다음 계획 정지 시에 교환하고 마모 데이터를 리셋하십시오.
zh.remedy 准备新的电极帽，在下次计划停机时更换，并复位磨损数据。

@ 0109
en.msg Welding wire nearly used up
ko.msg 용접 와이어 잔량 부족
zh.msg 焊丝即将用完
en.cause The wire remaining on the spool or in the drum, estimated from the wire consumed, is below the warning level.
ko.cause 와이어 사용량으로 추정한 스풀 또는 드럼의 잔량이 경고 레벨 아래입니다.
zh.cause 根据焊丝消耗量推算的焊丝盘或焊丝桶剩余量低于警告值。
en.remedy Prepare a new spool or drum and change it at the end of a part, then reset the wire counter.
ko.remedy 새 스풀이나 드럼을 준비하여 부품 작업이 끝난 시점에 교체하고 와이어 카운터를 리셋하십시오.
zh.remedy 准备新的焊丝盘或焊丝桶，在一个工件焊完后更换，并复位焊丝计数器。

@ 0110
en.msg Storage free space low
ko.msg 저장 공간 부족
zh.msg 存储空间不足
en.cause The free space in the controller's program and log storage is below the warning level. Old programs, logs and backups fill the storage.
ko.cause 제어기의 프로그램 및 로그 저장 공간의 여유가 경고 레벨 아래입니다. 오래된 프로그램, 로그, 백업이 저장 공간을 차지하고 있습니다.
zh.cause 控制柜程序和日志存储器的剩余空间低于警告值。旧程序、日志和备份占满了存储空间。
en.remedy Take a backup to external storage, then delete programs and files that are no longer used.
ko.remedy 외부 저장 장치에 백업을 받은 후 더 이상 사용하지 않는 프로그램과 파일을 삭제하십시오.
zh.remedy 先备份到外部存储器，然后删除不再使用的程序和文件。

@ 0111
en.msg Fieldbus retries increasing
ko.msg 필드버스 재시도 증가
zh.msg 现场总线重试次数增加
en.cause The fieldbus connection repeats frames more often than usual, though it is still working. A connector is loose, a cable is damaged or runs close to welding cables, or the network is overloaded.
ko.cause 필드버스 접속은 유지되고 있으나 평소보다 프레임 재전송이 잦습니다. 커넥터 풀림, 케이블 손상이나 용접 케이블과의 근접 배선, 네트워크 과부하가 원인입니다.
zh.cause 现场总线连接仍在工作，但数据帧重发次数比平时多。原因为连接器松动、电缆损坏或与焊接电缆靠近布线，或网络负载过高。
en.remedy Check the bus diagnostics to find the node with errors, then its cable, connectors and shield. Fix it before the connection drops and stops the line.
ko.remedy 버스 진단에서 에러가 있는 노드를 찾아 케이블, 커넥터, 실드를 점검하십시오. 접속이 끊겨 라인이 정지하기 전에 조치하십시오.
zh.remedy 通过总线诊断找出有错误的节点，检查其电缆、连接器和屏蔽层。在连接中断导致停线之前处理。

@ 0112
en.msg Shielding gas pressure low
ko.msg 보호 가스 압력 저하
zh.msg 保护气体压力低
en.cause The pressure at the gas supply is below the warning level; the cylinder or the gas bundle is nearly empty.
ko.cause 가스 공급부의 압력이 경고 레벨 아래입니다. 가스 용기나 가스 번들이 거의 비었습니다.
zh.cause 气源压力低于警告值，气瓶或集装格即将用完。
en.remedy Prepare a new cylinder and change it at the next break, before the gas flow error stops welding.
ko.remedy 가스 유량 에러로 용접이 정지하기 전에 새 가스 용기를 준비하여 다음 휴지 시간에 교체하십시오.
zh.remedy 在气体流量报警导致焊接停止之前，准备新气瓶并在下次间歇时更换。

@ 0113
en.msg Axis %d brake holding torque low
ko.msg %d축 브레이크 유지 토크 저하
zh.msg 第%d轴 抱闸保持力矩低
en.cause The last brake check measured a holding torque of this axis below the warning level. The brake lining is worn or contaminated with grease.
ko.cause 마지막 브레이크 점검에서 해당 축의 유지 토크가 경고 레벨 아래로 측정되었습니다. 브레이크 라이닝이 마모되었거나 그리스로 오염되었습니다.
zh.cause 上次抱闸检查测得该轴保持力矩低于警告值。抱闸摩擦片磨损或被润滑脂污染。
en.remedy Repeat the brake check to confirm, and plan the replacement of the motor (brake) of this axis. Do not work under the arm without support until it is replaced.
ko.remedy 브레이크 점검을 다시 하여 확인하고 해당 축 모터(브레이크) 교체를 계획하십시오. 교체 전까지 지지 없이 암 아래에서 작업하지 마십시오.
zh.remedy 重新进行抱闸检查以确认，并安排更换该轴电机（抱闸）。更换前不得在无支撑的手臂下方作业。

@ 0114
en.msg Axis %d close to software limit
ko.msg %d축 소프트 리미트 근접
zh.msg 第%d轴 接近软限位
en.cause The axis came within the warning margin of its software limit during a program. A small shift or a change of tool may drive it over the limit.
ko.cause 프로그램 실행 중 축이 소프트 리미트의 경고 여유 안으로 들어왔습니다. 작은 시프트나 툴 변경으로 리미트를 넘을 수 있습니다.
zh.cause 程序运行中该轴进入软限位的警告余量范围内。小的平移或工具变更都可能使其超出限位。
en.remedy Reteach the steps near the limit with a different wrist or arm configuration to gain margin.
ko.remedy 리미트 근처의 스텝을 다른 손목 또는 암 자세로 재교시하여 여유를 확보하십시오.
zh.remedy 以不同的手腕或手臂姿态重新示教接近限位的步骤，以留出余量。

@ 0115
en.msg Collision detection disabled
ko.msg 충돌 검출 무효
zh.msg 碰撞检测已禁用
en.cause Collision detection is switched off, either in the settings or by an instruction in the running program. A collision will not be detected as quickly.
ko.cause 설정 또는 실행 중인 프로그램의 명령으로 충돌 검출이 꺼져 있습니다. 충돌이 신속하게 검출되지 않습니다.
zh.cause 碰撞检测已通过设定或运行中程序的指令关闭，碰撞将无法被迅速检测。
en.remedy Switch collision detection on again, or make sure the program re-enables it right after the section where it was turned off.
ko.remedy 충돌 검출을 다시 켜거나, 프로그램이 해제 구간 직후에 다시 유효화하는지 확인하십시오.
zh.remedy 重新开启碰撞检测，或确认程序在关闭区段结束后立即重新启用。

@ 0116
en.msg Speed override reduced in automatic mode
ko.msg 자동 모드 속도 오버라이드 저하
zh.msg 自动模式下速度倍率降低
en.cause The robot runs in automatic mode with the speed override below 100 percent, so the cycle time is longer than planned.
ko.cause 속도 오버라이드가 100퍼센트 미만인 상태로 자동 운전 중이어서 사이클 타임이 계획보다 깁니다.
zh.cause 机器人在速度倍率低于百分之百的状态下自动运行，节拍比计划长。
en.remedy Set the override back to 100 percent after the test run, if the process allows it.
ko.remedy 시운전 후 공정상 문제가 없으면 오버라이드를 100퍼센트로 되돌리십시오.
zh.remedy 试运行结束后，如工艺允许，将倍率恢复到百分之百。

@ 0117
en.msg No backup within set interval
ko.msg 설정 기간 내 백업 없음
zh.msg 设定期限内无备份
en.cause No full backup has been taken within the interval set in the controller, though programs or parameters were changed.
ko.cause 프로그램이나 파라미터가 변경되었는데 제어기에 설정된 기간 내에 전체 백업을 받지 않았습니다.
zh.cause 程序或参数已修改，但在控制柜设定的期限内未做完整备份。
en.remedy Take a full backup to external storage and keep it with the date and the robot name.
ko.remedy 외부 저장 장치에 전체 백업을 받고 날짜와 로봇 이름을 붙여 보관하십시오.
zh.remedy 向外部存储器做一次完整备份，并注明日期和机器人名称保存。

@ 0118
en.msg I/O simulation active
ko.msg I/O 시뮬레이션 사용 중
zh.msg I/O仿真已启用
en.cause One or more inputs are simulated: the program sees the simulated value, not the real signal.
ko.cause 하나 이상의 입력이 시뮬레이션 중이어서 프로그램은 실제 신호가 아닌 시뮬레이션 값을 보고 있습니다.
zh.cause 一个或多个输入处于仿真状态：程序读取的是仿真值而不是实际信号。
en.remedy Cancel the simulation in the I/O monitor before production, so that sensors and interlocks work again.
ko.remedy 생산 전에 I/O 모니터에서 시뮬레이션을 해제하여 센서와 인터록이 다시 기능하도록 하십시오.
zh.remedy 生产前在I/O监视画面中取消仿真，使传感器和互锁重新起作用。

@ 0119
en.msg Output forced on or off
ko.msg 출력 강제 설정 중
zh.msg 输出被强制设定
en.cause One or more outputs are forced from the pendant and no longer follow the program.
ko.cause 하나 이상의 출력이 펜던트에서 강제 설정되어 프로그램을 따르지 않습니다.
zh.cause 一个或多个输出被从示教器强制设定，不再受程序控制。
en.remedy Release the forced outputs in the I/O monitor when the test is finished.
ko.remedy 시험이 끝나면 I/O 모니터에서 강제 출력을 해제하십시오.
zh.remedy 测试结束后在I/O监视画面中解除强制输出。

@ 0120
en.msg Tip dressing due
ko.msg 팁 드레싱 시기
zh.msg 电极帽修磨到期
en.cause The number of welds since the last tip dressing reached the set count.
ko.cause 마지막 팁 드레싱 이후 용접 타점 수가 설정 횟수에 도달했습니다.
zh.cause 自上次电极帽修磨以来的焊点数达到设定次数。
en.remedy Let the program call the tip dressing routine at the next opportunity, or dress manually and reset the counter.
ko.remedy 다음 기회에 프로그램이 팁 드레싱 루틴을 호출하도록 하거나 수동으로 드레싱하고 카운터를 리셋하십시오.
zh.remedy 让程序在下一个时机调用电极帽修磨程序，或手动修磨后复位计数器。

@ 0121
en.msg Contact tip change due
ko.msg 콘택트 팁 교환 시기
zh.msg 导电嘴更换到期
en.cause The arc time since the last contact tip change reached the set value; a worn tip bore causes unstable arc and arc starts.
ko.cause 마지막 콘택트 팁 교환 이후의 아크 시간이 설정값에 도달했습니다. 팁 구멍이 마모되면 아크와 아크 스타트가 불안정해집니다.
zh.cause 自上次更换导电嘴以来的燃弧时间达到设定值；导电嘴孔磨损会导致电弧和起弧不稳定。
en.remedy Change the contact tip at the next break and reset the arc time counter.
ko.remedy 다음 휴지 시간에 콘택트 팁을 교환하고 아크 시간 카운터를 리셋하십시오.
zh.remedy 在下次间歇时更换导电嘴，并复位燃弧时间计数器。

@ 0122
en.msg Torch cleaning due
ko.msg 토치 청소 시기
zh.msg 焊枪清理到期
en.cause The number of seams since the last nozzle cleaning reached the set count; spatter in the nozzle disturbs the gas shield.
ko.cause 마지막 노즐 청소 이후 용접 횟수가 설정 횟수에 도달했습니다. 노즐 안의 스패터는 가스 실드를 방해합니다.
zh.cause 自上次清理喷嘴以来的焊缝数达到设定次数；喷嘴内的飞溅会影响气体保护。
en.remedy Run the torch cleaning station routine, check the anti-spatter fluid level, and reset the counter.
ko.remedy 토치 청소 스테이션 루틴을 실행하고 스패터 방지액 잔량을 확인한 후 카운터를 리셋하십시오.
zh.remedy 运行清枪站程序，检查防飞溅液液位，并复位计数器。

@ 0123
en.msg Axis %d reducer load high
ko.msg %d축 감속기 부하 높음
zh.msg 第%d轴 减速机负载高
en.cause The load history of this axis shows a reducer load higher than its rated value, which shortens its life.
ko.cause 해당 축의 부하 이력에서 감속기 부하가 정격값보다 높게 나타나 감속기 수명이 짧아집니다.
zh.cause 该轴的负载履历显示减速机负载高于额定值，会缩短减速机寿命。
en.remedy Check the tool load data, soften acceleration in the heaviest moves, and shorten the grease interval of this axis.
ko.remedy 툴 부하 데이터를 확인하고 가장 부하가 큰 동작의 가속도를 완화하며 해당 축의 그리스 교환 주기를 단축하십시오.
zh.remedy 检查工具负载数据，减小负载最大动作的加速度，并缩短该轴的润滑脂更换周期。

@ 0124
en.msg Main supply voltage fluctuation
ko.msg 주전원 전압 변동
zh.msg 主电源电压波动
en.cause The input voltage dropped briefly but not far enough to stop the robot. Other loads on the same feeder or loose input terminals cause such dips.
ko.cause 입력 전압이 로봇이 정지할 정도는 아니지만 순간적으로 저하되었습니다. 같은 피더의 다른 부하나 입력 단자 풀림이 원인입니다.
zh.cause 输入电压出现短暂跌落，但未低到使机器人停止的程度。同一馈电线路上的其他负载或输入端子松动会引起此类跌落。
en.remedy Tighten the input terminals and have the supply checked if the warning is frequent.
ko.remedy 입력 단자를 조이고, 경고가 잦으면 전원 점검을 의뢰하십시오.
zh.remedy 紧固输入端子；如警告频繁出现，请对供电进行检查。

@ 0125
en.msg Axis %d encoder communication retry
ko.msg %d축 엔코더 통신 재시도
zh.msg 第%d轴 编码器通信重试
en.cause Single encoder frames of this axis were corrupted and repeated. The position is still correct, but the connection is degrading.
ko.cause 해당 축의 엔코더 프레임이 간헐적으로 손상되어 재전송되었습니다. 위치는 아직 정상이지만 접속 상태가 나빠지고 있습니다.
zh.cause 该轴编码器个别数据帧损坏并被重发。位置仍正确，但连接状态正在变差。
en.remedy Check the encoder connectors and cable of this axis for damage and the shield earth, before it turns into an encoder communication error.
ko.remedy 엔코더 통신 에러가 되기 전에 해당 축의 엔코더 커넥터와 케이블 손상, 실드 접지를 점검하십시오.
zh.remedy 在发展为编码器通信报警之前，检查该轴编码器连接器和电缆有无损坏以及屏蔽接地。

@ 0126
en.msg Axis %d motor load high
ko.msg %d축 모터 부하 높음
zh.msg 第%d轴 电机负载高
en.cause The motor load of this axis has been close to its overload level for some time.
ko.cause 해당 축의 모터 부하가 일정 시간 동안 과부하 레벨에 가깝습니다.
zh.cause 该轴电机负载在一段时间内接近过载水平。
en.remedy Check the tool load data and look for increased friction (brake, reducer, cable dress); reduce the duty of the axis if needed.
ko.remedy 툴 부하 데이터를 확인하고 마찰 증가(브레이크, 감속기, 케이블 드레스)를 점검하며, 필요하면 해당 축의 부담을 줄이십시오.
zh.remedy 检查工具负载数据，查找摩擦增大的原因（抱闸、减速机、电缆布置）；必要时降低该轴的负荷。

@ 0127
en.msg Overhaul interval reached
ko.msg 오버홀 주기 도달
zh.msg 大修周期已到
en.cause The robot's operating hours reached the overhaul interval (reducer and cable replacement, full inspection).
ko.cause 로봇 가동 시간이 오버홀 주기(감속기와 케이블 교체, 전체 점검)에 도달했습니다.
zh.cause 机器人运行时间达到大修周期（更换减速机和电缆、全面检查）。
en.remedy Plan the overhaul with the maintenance department and reset the counter when it is done.
ko.remedy 보전 부서와 오버홀을 계획하고 완료 후 카운터를 리셋하십시오.
zh.remedy 与维修部门安排大修，完成后复位计数器。

@ 0128
en.msg Input signal chattering
ko.msg 입력 신호 채터링
zh.msg 输入信号抖动
en.cause An input changed state many times within a short time. A sensor is at the edge of its range, a contact bounces, or a wire is loose.
ko.cause 입력이 짧은 시간에 여러 번 상태가 바뀌었습니다. 센서가 검출 범위 경계에 있거나 접점이 바운스하거나 선이 풀려 있습니다.
zh.cause 某输入在短时间内多次变化。原因为传感器处于检测范围边缘、触点抖动或接线松动。
en.remedy Find the input on the I/O monitor, adjust the sensor or fix the wiring, and set an input filter time if the signal is a mechanical contact.
ko.remedy I/O 모니터에서 입력을 찾아 센서를 조정하거나 배선을 수리하고, 기계 접점 신호라면 입력 필터 시간을 설정하십시오.
zh.remedy 在I/O监视画面中找到该输入，调整传感器或修复接线；如为机械触点信号，设定输入滤波时间。

@ 0129
en.msg Path close to singular point
ko.msg 경로 특이점 근접
zh.msg 轨迹接近奇异点
en.cause A linear or circular move passes close to a wrist singularity; the robot slowed down to keep joint speeds within limits.
ko.cause 직선 또는 원호 이동이 손목 특이점 근처를 지나므로 관절 속도를 한계 안으로 유지하기 위해 로봇이 감속했습니다.
zh.cause 直线或圆弧运动经过手腕奇异点附近，机器人为使关节速度保持在限值内而减速。
en.remedy Tilt the tool a few degrees at the steps concerned so that axis 5 stays away from zero.
ko.remedy 해당 스텝에서 툴을 몇 도 기울여 5축이 0도에서 떨어지도록 하십시오.
zh.remedy 在相关步骤将工具倾斜几度，使第5轴远离零度。

@ 0130
en.msg Weld cooling water temperature high
ko.msg 용접 냉각수 온도 높음
zh.msg 焊接冷却水温度高
en.cause The return temperature of the gun or transformer cooling water is above the warning level. The chiller capacity is insufficient or the flow is reduced.
ko.cause 건 또는 트랜스 냉각수의 환수 온도가 경고 레벨을 초과했습니다. 칠러 능력이 부족하거나 유량이 줄었습니다.
zh.cause 焊钳或变压器冷却水的回水温度超过警告值。原因为冷水机能力不足或流量减少。
en.remedy Check the chiller, the filter and the flow of each circuit, and clean scale from the tip cooling tubes.
ko.remedy 칠러, 필터, 각 회로의 유량을 점검하고 팁 냉각관의 스케일을 청소하십시오.
zh.remedy 检查冷水机、过滤器和各回路流量，并清除电极冷却管中的水垢。

@ 0131
en.msg Welding current deviation
ko.msg 용접 전류 편차
zh.msg 焊接电流偏差
en.cause The measured welding current differs from the commanded value by more than the warning band, though welding continues. Worn contact tip, changed stick-out or poor earth connection are common causes.
ko.cause 용접은 계속되고 있으나 측정된 용접 전류가 지령값과 경고 범위 이상 차이가 납니다. 콘택트 팁 마모, 돌출 길이 변화, 어스 접속 불량이 흔한 원인입니다.
zh.cause 焊接仍在继续，但测得的焊接电流与指令值之差超过警告范围。常见原因为导电嘴磨损、伸出长度变化或地线连接不良。
en.remedy Change the contact tip, check the torch distance at the seam and the earth clamp, and inspect the welds of this seam.
ko.remedy 콘택트 팁을 교환하고 용접선의 토치 거리와 어스 클램프를 점검하며 해당 용접선의 용접부를 검사하십시오.
zh.remedy 更换导电嘴，检查该焊缝处的焊枪距离和地线夹，并检查该焊缝的焊接质量。

@ 0132
en.msg Conveyor speed changed beyond tolerance
ko.msg 컨베이어 속도 변동 허용치 초과
zh.msg 传送带速度变化超出允许范围
en.cause The conveyor speed changed more than the tolerance during tracking. The robot kept tracking, but the path accuracy may be reduced.
ko.cause 트래킹 중 컨베이어 속도가 허용치 이상 변동했습니다. 로봇은 트래킹을 계속했지만 경로 정밀도가 떨어질 수 있습니다.
zh.cause 跟踪过程中传送带速度变化超过允许范围。机器人继续跟踪，但轨迹精度可能下降。
en.remedy Check the conveyor drive for slipping chains or belts and the encoder coupling; inform line control if the speed is changed on purpose.
ko.remedy 컨베이어 구동부의 체인이나 벨트 미끄러짐과 엔코더 커플링을 점검하고, 의도적으로 속도를 바꾸는 경우 라인 제어 측에 알리십시오.
zh.remedy 检查传送带驱动部分链条或皮带有无打滑以及编码器联轴器；如为有意调速，请通知生产线控制方。
"""

# ===========================================================================
# Kav errors (English only)
#   0001-0009 system    0010-0020 servo    0021-0029 encoder   0030-0039 motor, brake
#   0040-0049 collision 0050-0059 limits   0060-0069 safety    0070-0079 spot welding
#   0080-0089 communication, I/O, conveyor 0090-0099 program
# ===========================================================================
KAV_ERRORS = r"""
@ 0001
en.msg CPU error
en.cause The main CPU stopped on a watchdog or an internal exception. A failing CPU board, noise on the control power, or a poorly seated board is the usual cause.
en.remedy Switch the controller off for at least 30 seconds and on again. If the error repeats, check the 24 V control supply and the cabinet earth, reseat the CPU board and replace it if needed.

@ 0002
en.msg Memory checksum error
en.cause The program or parameter memory failed its checksum at power-on. The memory backup battery was flat while the controller was off, or power was cut while data was being saved.
en.remedy Measure and replace the memory backup battery, then reload programs and parameters from the latest backup. Check the robot position and the current program before restarting production.

@ 0003
en.msg Servo on failed
en.cause After the motors-on command the servo power did not become ready in time: the main contactor did not close, the servo ready signal of an amplifier is missing, or the servo-on enable from the line is off.
en.remedy Check the motors-on enable input from the line (GI byte 1) and that all emergency stop circuits are closed. Listen for the main contactor closing and check the amplifier status LEDs; check the contactor coil supply and the amplifier of any axis that is not ready.

@ 0004
en.msg Power failure
en.cause The AC input voltage dropped below the allowed level and the controller performed a power-failure stop. A plant supply interruption, a tripped breaker, or loose input terminals are the usual causes.
en.remedy Check the supply with plant maintenance, tighten the input terminals at the main switch and restart. Check the program position before running again.

@ 0005
en.msg Control power 24 V fault
en.cause The internal 24 V DC supply is too low or missing. The power supply unit is faulty or overloaded by a short in the I/O wiring or the teach pendant cable.
en.remedy Measure the 24 V at the power supply unit with the external loads connected and disconnected. Repair the shorted wiring or replace the power supply unit.

@ 0006
en.msg Backup battery dead
en.cause The memory backup battery on the CPU board is empty; data kept in battery-backed memory (counters, variables) may be lost.
en.remedy Replace the battery with the controller switched on, then check the counters and variables and reload them from a backup if needed.

@ 0007
en.msg Controller overheat
en.cause The temperature inside the controller cabinet exceeded its limit and the program was stopped. The fans or filters are blocked, the cabinet door is open, or the ambient temperature is too high.
en.remedy Clean or replace the cabinet filters, check that all fans run and close the doors. Let the cabinet cool before restarting; if it happens in summer, check the ambient temperature near the cabinet (max. about 45 deg C).

@ 0008
en.msg System parameter error
en.cause A system parameter is out of range or does not match the hardware, usually after a parameter change or loading the data of another robot.
en.remedy Find the rejected parameter on the parameter screen, compare it with this robot's backup and nameplate, correct it and restart.

@ 0009
en.msg Servo board communication error
en.cause The servo control board did not exchange data with the main CPU in time. A loose board, a faulty board, or electrical noise in the cabinet is the cause.
en.remedy Switch off, reseat the CPU and servo boards and check their connectors. Keep welding and motor cables away from the boards; replace the servo board if the error returns.

@ 0010
en.msg Main circuit voltage low
en.cause The DC bus voltage of the servo power supply fell below its limit while the motors were on: supply dip, missing phase, or loose input terminals.
en.remedy Measure the three input phases during a fast motion and tighten the terminals. Replace the servo power supply unit if the supply is stable.

@ 0011
en.msg Main circuit overvoltage
en.cause The DC bus voltage exceeded its limit, normally because braking energy was not absorbed: the regenerative resistor or its transistor is open, or the supply voltage is too high.
en.remedy With the power off and the bus discharged, measure the regenerative resistor and check its wiring. Check the input voltage against the nameplate; replace the resistor or the power supply unit.

@ 0012
en.msg Axis %d overcurrent
en.cause The current of this axis's amplifier exceeded the trip level. A short or earth fault in the motor cable or motor, a collision, or a failed amplifier power stage is the usual cause.
en.remedy With power off, measure the insulation of U, V, W to earth with a 500 V tester (at least 1 megohm) and the phase resistances at the amplifier. Replace the damaged cable or motor, otherwise the amplifier; check the cable where it bends at the base and the upper arm.

@ 0013
en.msg Axis %d overload
en.cause The thermal load of the motor of this axis (current over time) exceeded its rating. The cycle is too demanding, the payload setting is wrong, or friction increased (reducer damage, dragging brake).
en.remedy Check the payload setting and the axis load, reduce speed or acceleration in the heavy section, and inspect the reducer and brake if the load rose without a program change.

@ 0014
en.msg Axis %d position deviation over
en.cause The following error of this axis exceeded its limit: the axis is blocked, the brake did not release, the payload is too heavy, or the motor or encoder connection is faulty.
en.remedy Check that the axis is free and not against a fixture or stopper, check the brake release and the payload setting, then check the motor and encoder connectors.

@ 0015
en.msg Axis %d speed error
en.cause The actual speed of this axis differs from the command by more than the allowed value. The axis hit an obstacle, the acceleration is too high for the payload, or the encoder signal is disturbed.
en.remedy Check for contact at the stop position, reduce the acceleration of that step and check the payload setting; if it occurs at random places, check the encoder cable and its shield.

@ 0016
en.msg Axis %d amplifier overheat
en.cause The heat sink of this axis's amplifier is too hot: blocked fans or filters, high cabinet temperature, or a long high-load duty on this axis.
en.remedy Clean the cabinet filters, check the fans and close the doors; check the axis load and let the amplifier cool before restarting.

@ 0017
en.msg Axis %d motor cable open
en.cause One motor phase of this axis carries no current. A motor connector is loose or a wire in the robot cable is broken, usually at a bending point.
en.remedy With power off, check the motor connectors and measure U-V, V-W and W-U at the amplifier end; the three values must be equal. Replace the broken cable section.

@ 0018
en.msg Axis %d earth fault
en.cause Leakage current from the motor circuit of this axis to earth was detected: the insulation of the motor or its cable is damaged (coolant, spatter, wear).
en.remedy Disconnect the motor cable at the amplifier and measure insulation with a 500 V tester, with and without the cable. Replace the part that reads below 1 megohm.

@ 0019
en.msg Regenerative resistor overload
en.cause The braking energy dissipated in the regenerative resistor exceeded its rating: frequent hard decelerations of heavy axes.
en.remedy Reduce acceleration or speed of the steps with the hardest decelerations, add short waits between fast moves, and check the resistor's cooling and resistance.

@ 0020
en.msg Axis %d amplifier not ready
en.cause The amplifier of this axis did not report ready at motors-on: missing control or main power, a held alarm, or a wrong axis address.
en.remedy Read the amplifier status display, clear its alarm, and check its power connectors and address setting against the wiring diagram.

@ 0021
en.msg Axis %d encoder communication error
en.cause The serial encoder data of this axis was missing or corrupted several times in a row. The encoder cable or connector is damaged or loose, the shield is not earthed, or the encoder is faulty.
en.remedy Check the encoder connectors at the motor, at the robot base and at the cabinet, and the shield clamp. Move the cable by hand while watching the error to find an intermittent break; replace the cable, or the motor if the cable is good.

@ 0022
en.msg Axis %d encoder data error
en.cause The encoder of this axis sent position data with a checksum error or an impossible jump, normally because of noise on the encoder line or an encoder fault.
en.remedy Separate the encoder cable from welding and motor power cables, check the shield earth and the welding earth return (it must not run through the robot). Replace the motor if the error repeats at rest.

@ 0023
en.msg Axis %d encoder disconnected
en.cause The encoder of this axis does not answer at all: its supply or signal line is open (unplugged connector, pushed-back pin, cut cable).
en.remedy Check the connectors from the motor to the cabinet and measure the encoder supply at the motor connector. Repair the cable and check the axis position afterwards.

@ 0024
en.msg Axis %d encoder battery dead
en.cause The encoder backup voltage of this axis fell to zero while the controller was off; the multi-turn position is lost.
en.remedy Replace the encoder batteries with the controller on, reset the encoder, and recalibrate the axis at its zero marks.

@ 0025
en.msg Axis %d absolute position lost
en.cause The multi-turn data of this axis's encoder is invalid, so the absolute position is unknown. It follows a battery failure, disconnecting the encoder cable without battery supply, or a motor change.
en.remedy Reset the encoder from the encoder reset screen, jog the axis to its zero marks and set the zero. Check a reference point with the pointer tool before automatic operation.

@ 0026
en.msg Axis %d position mismatch at power on
en.cause The position read at power-on differs from the position stored at power-off: the axis was moved with the brake released, the brake slipped, or the encoder data is wrong.
en.remedy Check with the zero marks whether the position is right. If it is, acknowledge the error; if not, check the brake and recalibrate.

@ 0027
en.msg Axis %d zero point not set
en.cause The axis has no valid zero calibration (new installation, parameter reset, motor change).
en.remedy Jog the axis in joint mode to its zero marks, set the zero point and check a reference point before running programs.

@ 0030
en.msg Axis %d overspeed
en.cause The motor speed of this axis exceeded its maximum: the axis was driven by an external force (falling after a brake problem, a collision), the gain parameters are wrong, or the encoder signal is disturbed.
en.remedy Check whether the arm dropped or was hit, check the brake, compare the servo parameters with the backup, and check the encoder cable.

@ 0031
en.msg Axis %d motor overheat
en.cause The thermal switch in the motor of this axis opened. The motor is overloaded for a long time, or the thermal switch circuit is open.
en.remedy Let the motor cool, check the axis load and duty cycle, and measure the thermal switch circuit at the motor connector if the motor is cold.

@ 0034
en.msg Axis %d brake fault
en.cause The brake of this axis did not release or engage as commanded: the brake current is missing or too high. A broken brake wire or connector, an open or shorted brake coil, or a blown brake fuse is the cause.
en.remedy Measure the brake coil resistance at the motor connector and the brake voltage (24 V) at motors-on, and check the brake fuse. Replace the motor if the coil is faulty. Support the arm before working on a gravity-loaded axis.

@ 0035
en.msg Brake power supply fault
en.cause The 24 V supply for the motor brakes is missing or too low; no brake can be released. The brake fuse is blown or the brake power unit failed.
en.remedy Measure the brake supply in the cabinet, find the short (often a crushed brake wire in the robot cable) before replacing the fuse, and replace the brake power unit if needed.

@ 0041
en.msg Axis %d collision detected
en.cause The disturbance torque of this axis exceeded the collision threshold and the robot stopped. The robot or the gun hit the part, a fixture or an obstacle, or the payload setting is wrong.
en.remedy Find what was hit, check the gun, its bracket and the tips for damage and recheck the TCP before restarting. If nothing was hit, correct the payload or relax the collision sensitivity of this axis slightly.

@ 0042
en.msg Shock sensor activated
en.cause The shock sensor between the flange and the tool opened, and the robot stopped. The tool hit an obstacle, or the sensor or its cable is faulty.
en.remedy Jog the tool clear with the shock sensor override in teach mode, check the tool and the TCP, and check the sensor wiring if there was no contact.

@ 0050
en.msg Over-travel limit switch
en.cause An axis reached its hardware over-travel switch and the motors were switched off. The software limit is set beyond the switch, or the switch is faulty.
en.remedy Use the over-travel release, switch the motors on and jog the axis back in teach mode. Set the software limit inside the switch and check the switch if the axis was not beyond it.

@ 0058
en.msg Axis %d soft limit over
en.cause The position of this axis passed its software limit during a move or a jog, and the motors were switched off. A jog went too far, a linear move passed an unreachable configuration, or a step lies too close to the limit.
en.remedy Switch the motors on in teach mode and jog the axis back inside its range. Reteach the step that drove it to the limit, or use joint interpolation for that move.

@ 0059
en.msg Interference zone entry
en.cause The robot was about to enter a zone shared with another machine while the zone was not released.
en.remedy Check which machine holds the zone and why, then check the zone signals and the PLC interlock.

@ 0060
en.msg Emergency stop (teach pendant)
en.cause The teach pendant emergency stop was pressed or its circuit opened (broken pendant cable).
en.remedy Clear the hazard, release the button and reset. If it was not pressed, check the pendant cable and connector.

@ 0061
en.msg Emergency stop (operator panel)
en.cause The emergency stop on the operator panel was pressed or its circuit opened.
en.remedy Clear the hazard, release the button and reset; if it was not pressed, check its contacts and wiring.

@ 0062
en.msg External emergency stop
en.cause The external emergency stop circuit from the line opened (GI byte 1 external emergency stop circuit off): another station stopped, or a wire or relay in the chain is faulty.
en.remedy Find and release the active emergency stop of the line and reset. If none is active, measure both channels at the external emergency stop terminals.

@ 0063
en.msg Safety fence opened
en.cause The safety fence door switch opened in play (automatic) mode and the robot stopped.
en.remedy Make sure nobody is inside, close the door and reset from outside the cell; adjust the door switch if the door was closed.

@ 0064
en.msg Deadman switch released
en.cause The deadman switch on the teach pendant was released (or its signal dropped) while the robot was moving in teach mode.
en.remedy Hold the switch and switch the motors on again; replace the switch if the signal drops while it is held.

@ 0065
en.msg Safety relay fault
en.cause The two channels of a safety input did not switch together, or a safety relay's feedback contact did not follow its coil. A contact is welded or worn, or one wire of the pair is broken.
en.remedy Check which input or relay is reported, measure both channels while operating the device, and replace the switch or relay. Reset after both channels have opened together.

@ 0066
en.msg Mode switch error
en.cause The teach/play key switch reports no position or two positions at once.
en.remedy Turn the key fully to the required position; check and replace the switch if the error stays.

@ 0070
en.msg Weld timer not ready
en.cause The weld timer did not report ready when the robot reached a weld point: it is switched off, in program mode, or in fault.
en.remedy Switch on the weld timer, set it to weld mode, clear any fault on its display and check the ready signal wiring.

@ 0071
en.msg Weld complete timeout
en.cause After the weld start the robot did not receive the weld complete signal within the set time. The weld timer did not start (no part, gun not closed, weld interlock off), or the complete signal wiring is faulty.
en.remedy Check on the I/O monitor that the weld start output came on and whether the timer received it. Check the weld timer display and the complete signal input; lengthen the timeout only if the schedule is really longer.

@ 0072
en.msg Weld timer error
en.cause The spot weld timer reported a fault during or after the weld: weld current out of limits, no current (tips not touching, open secondary), transformer overheat or thyristor fault. The robot stopped at the weld point.
en.remedy Read the fault on the weld timer display. For no or low current, check that the part is present and the tips close on it, and check the tips, shunts and secondary cable; for transformer overheat, check the cooling water. Reset the timer and the robot, and check or reweld the point.

@ 0073
en.msg Gun stroke confirm timeout
en.cause The open or closed confirmation of the pneumatic weld gun did not arrive in time. The air pressure is low, the gun valve is faulty, or the stroke sensor is misadjusted.
en.remedy Check the air pressure at the gun (usually 0.5 MPa or more), operate the gun manually and watch the sensor LEDs, and adjust or replace the sensor or the valve.

@ 0074
en.msg Weld cooling water flow low
en.cause The cooling water flow switch of the gun or transformer reports too little flow: kinked or leaking hose, closed valve, blocked filter.
en.remedy Check the valves, the hoses in the dress pack and the tip cooling tubes, and clean the filter. Do not weld without cooling.

@ 0075
en.msg Tip dressing error
en.cause The tip dresser did not report completion, or the dressing result is out of range: worn or blocked cutter, dresser motor fault, gun not centred on the dresser.
en.remedy Clean chips from the dresser, inspect the cutter, check the dresser motor and the dressing position of the gun, then dress again.

@ 0076
en.msg Gun tip stuck
en.cause After the weld the gun did not open because a tip stuck to the sheet: worn or dirty tips, too high current, or coated sheet.
en.remedy Free the tip carefully in teach mode, check the tip and the weld, dress or change the tips and check the weld schedule current.

@ 0080
en.msg Teach pendant communication error
en.cause The data exchange with the teach pendant stopped: the pendant cable or connector is damaged, or the pendant is faulty.
en.remedy Check the cable for crushing and the connector at the cabinet; reseat it with the power off and replace the pendant if the cable is good.

@ 0081
en.msg I/O board error
en.cause An I/O board does not answer: missing 24 V supply, wrong address setting, or a faulty board.
en.remedy Check the board LEDs, its 24 V supply and address switch, reseat the cable and replace the board if needed.

@ 0082
en.msg Output short circuit
en.cause An output group switched off because of overcurrent: a valve coil, relay or lamp is shorted or a wire touches earth.
en.remedy Disconnect the loads of the group one by one to find the short, repair the wiring (often at the wrist) and check the load ratings.

@ 0083
en.msg Host communication error
en.cause The serial or network link to the host computer timed out or reported framing errors.
en.remedy Check that the host application runs, the cable and connectors, and that the communication settings (baud rate, address) match on both sides.

@ 0084
en.msg Remote I/O link error
en.cause The remote I/O link to the line PLC was lost; the robot receives no line signals. The PLC is stopped, a link cable failed, or the station number changed.
en.remedy Check the PLC and link status LEDs, the link cable and terminators, and the station number setting of the robot.

@ 0085
en.msg Input wait timeout
en.cause A wait instruction waited for an input longer than its timeout: the expected signal (part present, clamp closed, PLC release) did not come.
en.remedy Find the awaited input at the stopped step, check it on the I/O monitor and at the sensor, and fix the sensor or PLC sequence.

@ 0087
en.msg Conveyor tracking limit over
en.cause The part on the conveyor moved beyond the tracking limit before the robot finished (conveyor faster than taught, late start, or part sensor misplaced).
en.remedy Check the conveyor speed and the part sensor position, and retouch the tracking steps so the robot finishes inside the limit.

@ 0090
en.msg Program data error
en.cause A step of the running program contains data the controller cannot execute (missing position, unknown instruction, value out of range), usually after offline editing or loading a program from another robot.
en.remedy Open the program at the stopped step and correct or reteach it; reload the program from the backup if several steps are damaged.

@ 0091
en.msg Program not found
en.cause The selected or called program does not exist in memory.
en.remedy Check the program number from the line (GI byte 2) and the call instructions, and load the missing program from the backup.

@ 0092
en.msg Position unreachable
en.cause The target of a step cannot be reached: outside the robot's reach or not reachable with the taught configuration, often after a shift.
en.remedy Check the shift and tool data, then reteach the step within reach.

@ 0093
en.msg Call nesting over
en.cause Programs call each other more deeply than allowed, usually a program calling itself without an end condition.
en.remedy Follow the call chain and replace the recursive call with a jump or a loop.

@ 0094
en.msg Label not found
en.cause A jump refers to a label that does not exist in the program.
en.remedy Insert the label at the intended step or correct the jump instruction.

@ 0095
en.msg External program select error
en.cause At the external start the program number from the line (GI byte 2) was zero, out of range, or changed while the start was given.
en.remedy Make the PLC set the program number before the start signal and hold it until the robot runs; check the number against the robot's program table.
"""

# ===========================================================================
# Kav warnings (English only)
# ===========================================================================
KAV_WARNINGS = r"""
@ 0001
en.msg Backup battery low
en.cause The memory backup battery on the CPU board is below its warning level.
en.remedy Take a backup and replace the battery with the controller switched on.

@ 0002
en.msg Controller temperature high
en.cause The cabinet temperature is above its warning level: dirty filters, stopped fan, open door or hot surroundings.
en.remedy Clean the filters, check the fans and close the cabinet doors.

@ 0003
en.msg Axis %d encoder battery low
en.cause The encoder backup battery of this axis is below its warning level. If the controller is left off with a flat battery, the axis loses its absolute position.
en.remedy Replace the encoder batteries soon, with the controller switched on; replace all of them together.

@ 0004
en.msg Cooling fan stopped
en.cause One of the cabinet fans stopped or turns too slowly (dust, worn bearing, loose connector).
en.remedy Clean or replace the fan at the next stop; do not run long without it.

@ 0005
en.msg Axis %d motor temperature high
en.cause The motor of this axis is close to its thermal limit.
en.remedy Check the axis load and reduce speed or acceleration in the heavy section before an overload error occurs.

@ 0006
en.msg Axis %d near soft limit
en.cause The axis came within the warning margin of its software limit during the program.
en.remedy Reteach the steps near the limit with another configuration to gain margin.

@ 0010
en.msg Grease change due
en.cause The operating time since the last grease change reached the set interval.
en.remedy Change the grease of the axes due, as described in the maintenance manual, and reset the counter.

@ 0011
en.msg Tip dressing due
en.cause The number of welds since the last tip dressing reached the set count. Dressing late gives larger tip faces, lower current density and weaker welds.
en.remedy Let the program call the tip dressing routine at the next gun service position, or dress manually and reset the weld counter; check that the dresser cutter is in good condition.

@ 0012
en.msg Tip change due
en.cause The number of dressings since the last tip change reached the set count; the tips are getting short.
en.remedy Change both tips at the next planned stop and reset the dressing counter.

@ 0013
en.msg Brake check due
en.cause The time since the last brake check exceeded the set interval.
en.remedy Run the brake check at the next production break and replace any brake that fails.

@ 0020
en.msg Speed override reduced in play mode
en.cause The robot runs in play mode with a speed override below 100 percent.
en.remedy Set the override back to 100 percent after testing, if the process allows.

@ 0021
en.msg Collision detection off
en.cause Collision detection is switched off by setting or by the program.
en.remedy Switch it on again, or check that the program re-enables it after the section concerned.

@ 0022
en.msg Memory space low
en.cause The free program memory is below the warning level.
en.remedy Back up and delete programs no longer used.

@ 0023
en.msg Input chattering
en.cause An input changed state many times in a short time: sensor at the edge of its range, bouncing contact or loose wire.
en.remedy Find the input on the I/O monitor, adjust the sensor or repair the wiring.

@ 0024
en.msg Weld cooling water temperature high
en.cause The return water temperature of the gun or transformer cooling circuit is above its warning level. The chiller is overloaded, the flow is reduced by scale or a kinked hose, or the weld rate is high.
en.remedy Check the chiller and the water flow of each circuit, clean the filter and the tip cooling tubes, and watch the tips for overheating until the temperature is back to normal.

@ 0025
en.msg Overhaul interval reached
en.cause The operating hours reached the overhaul interval.
en.remedy Plan the overhaul and reset the counter when it is done.

@ 0026
en.msg Forced output active
en.cause One or more outputs are forced from the pendant.
en.remedy Release the forced outputs when the test is finished.

@ 0027
en.msg Axis %d overload pre-alarm
en.cause The motor load of this axis has been near its overload level for some time.
en.remedy Check the payload setting and look for increased friction; reduce the duty of the axis if needed.

@ 0028
en.msg Remote I/O link retry
en.cause The remote I/O link repeats frames more often than usual, though it still works.
en.remedy Check the link cable, connectors and terminators before the link drops.

@ 0029
en.msg Program not backed up
en.cause Programs were changed and no backup has been taken since.
en.remedy Take a full backup to external storage.

@ 0030
en.msg Conveyor speed changed
en.cause The conveyor speed changed more than the tolerance during tracking; the path accuracy may be reduced.
en.remedy Check the conveyor drive and the encoder coupling, or inform line control if the change was intended.
"""

if __name__ == "__main__":
    sys.exit(main())

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>FindDialogClass</name>
    <message>
        <source>FindDialog</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>   Find What :</source>
        <translation>   찾을 내용 :</translation>
    </message>
    <message>
        <source>All</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>ProgramViewClass</name>
    <message>
        <source>ProgramView</source>
        <translation>프로그램 보기</translation>
    </message>
    <message>
        <source>Velloran</source>
        <translation>Velloran</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>파일을 찾을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Velloran</name>
    <message>
        <source>&lt;h3&gt;Velloran %1&lt;/h3&gt;&lt;p&gt;Viewer for the error, stop and operation history logs of robot controller backups.&lt;/p&gt;&lt;p&gt;Running on Qt %2.&lt;/p&gt;&lt;p&gt;Licensed under the MIT License.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velloran %1&lt;/h3&gt;&lt;p&gt;로봇 제어기 백업의 에러 로그, 정지 로그와 운전 이력을 보여 주는 뷰어입니다.&lt;/p&gt;&lt;p&gt;Qt %2에서 실행 중입니다.&lt;/p&gt;&lt;p&gt;MIT 라이선스로 배포됩니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Velloran</source>
        <translation>Velloran</translation>
    </message>
    <message>
        <source>Open File Kav</source>
        <translation>Kav 파일 열기</translation>
    </message>
    <message>
        <source>Kav Robot Error log files (*.E01);;Kav Robot Stop log files(*.S01);;All files(*.*)</source>
        <translation>Kav 로봇 에러 로그 파일 (*.E01);;Kav 로봇 정지 로그 파일(*.S01);;모든 파일(*.*)</translation>
    </message>
    <message>
        <source>Open File Lum/Luma</source>
        <translation>Lum/Luma 파일 열기</translation>
    </message>
    <message>
        <source>Lum/Luma Robot Error log files (*.ERR);;Lum/Luma Robot Stop log files(*.STP);;All files(*.*)</source>
        <translation>Lum/Luma 로봇 에러 로그 파일 (*.ERR);;Lum/Luma 로봇 정지 로그 파일(*.STP);;모든 파일(*.*)</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>에러 코드</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>원인</translation>
    </message>
    <message>
        <source>Remedy</source>
        <translation>조치 방법</translation>
    </message>
    <message>
        <source>RunTo</source>
        <translation>진행단위</translation>
    </message>
    <message>
        <source>JogInch</source>
        <translation>조그/인칭</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>인에이블</translation>
    </message>
    <message>
        <source>EmgStop</source>
        <translation>비상정지</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>원격</translation>
    </message>
    <message>
        <source>AutoMode</source>
        <translation>자동모드</translation>
    </message>
    <message>
        <source>PlayBack</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>MotOn</source>
        <translation>모터 ON</translation>
    </message>
    <message>
        <source>Select a Kav button.</source>
        <translation>Kav 버튼을 선택하십시오.</translation>
    </message>
    <message>
        <source>It&apos;s not a E01/S01 file.</source>
        <translation>E01/S01 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>Select a Lum button.</source>
        <translation>Lum 버튼을 선택하십시오.</translation>
    </message>
    <message>
        <source>It&apos;s not a ERR/STP file.</source>
        <translation>ERR/STP 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>This file is error file of 8 Axis or more.
The axis is output in two rows.

Top line - Axis1~8
Bottom line - Axis9~16</source>
        <translation>이 파일은 8축 이상 로봇의 에러 파일입니다.
축 값은 두 줄로 표시됩니다.

윗줄 - 1~8축
아랫줄 - 9~16축</translation>
    </message>
    <message>
        <source>In addition to basic information, Arc information is included.
Please, check Arc In/Output Signal tab.</source>
        <translation>기본 정보 외에 아크 정보가 포함되어 있습니다.
아크 입출력 신호 탭을 확인하십시오.</translation>
    </message>
    <message>
        <source>In addition to basic information, it also contains information that is not defined.
Please, check the JOB file.</source>
        <translation>기본 정보 외에 정의되지 않은 정보도 포함되어 있습니다.
JOB 파일을 확인하십시오.</translation>
    </message>
    <message>
        <source>[Code] </source>
        <translation>[코드] </translation>
    </message>
    <message>
        <source>[Message] </source>
        <translation>[메시지] </translation>
    </message>
    <message>
        <source>[Cause] </source>
        <translation>[원인] </translation>
    </message>
    <message>
        <source>[Remedy] </source>
        <translation>[조치 방법] </translation>
    </message>
    <message>
        <source>MCH File does not exist.</source>
        <translation>MCH 파일이 없습니다.</translation>
    </message>
    <message>
        <source>INF File does not exist.</source>
        <translation>INF 파일이 없습니다.</translation>
    </message>
    <message>
        <source>CON File does not exist.</source>
        <translation>CON 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Check the next table.</source>
        <translation>옆의 표를 확인하십시오.</translation>
    </message>
    <message>
        <source>OPR File does not exist.</source>
        <translation>OPR 파일이 없습니다.</translation>
    </message>
    <message>
        <source>RunTo
Cmd</source>
        <translation>진행단위
명령</translation>
    </message>
    <message>
        <source>RunTo
Step</source>
        <translation>진행단위
스텝</translation>
    </message>
    <message>
        <source>RunTo
End</source>
        <translation>진행단위
끝</translation>
    </message>
    <message>
        <source>Service - </source>
        <translation>서비스 - </translation>
    </message>
    <message>
        <source>System - </source>
        <translation>시스템 - </translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>TP On</source>
        <translation>TP 켜짐</translation>
    </message>
    <message>
        <source>TP Off</source>
        <translation>TP 꺼짐</translation>
    </message>
    <message>
        <source>Sidebar
Program</source>
        <translation>사이드바
프로그램</translation>
    </message>
    <message>
        <source>Sidebar
Crd</source>
        <translation>사이드바
좌표계</translation>
    </message>
    <message>
        <source>Sidebar
Play spd</source>
        <translation>사이드바
재생 속도</translation>
    </message>
    <message>
        <source>Sidebar
Mech</source>
        <translation>사이드바
메커니즘</translation>
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
        <translation>기록
조건</translation>
    </message>
    <message>
        <source>Run to</source>
        <translation>진행단위</translation>
    </message>
    <message>
        <source>Jog
inching</source>
        <translation>조그
인칭</translation>
    </message>
    <message>
        <source>QuickOpen</source>
        <translation>빠른 열기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Manual
output</source>
        <translation>수동
출력</translation>
    </message>
    <message>
        <source>Window
adjustment</source>
        <translation>창
조정</translation>
    </message>
    <message>
        <source>Soft
keyboard</source>
        <translation>소프트
키보드</translation>
    </message>
    <message>
        <source>User key</source>
        <translation>사용자 키</translation>
    </message>
    <message>
        <source>1: Monitoring - </source>
        <translation>1: 모니터링 - </translation>
    </message>
    <message>
        <source>2: Register - </source>
        <translation>2: 레지스터 - </translation>
    </message>
    <message>
        <source>3: Variable</source>
        <translation>3: 변수</translation>
    </message>
    <message>
        <source>4: Data comment</source>
        <translation>4: 데이터 주석</translation>
    </message>
    <message>
        <source>5: File manager</source>
        <translation>5: 파일 관리자</translation>
    </message>
    <message>
        <source>6: Program conversion - </source>
        <translation>6: 프로그램 변환 - </translation>
    </message>
    <message>
        <source>7: System diagnosis - </source>
        <translation>7: 시스템 진단 - </translation>
    </message>
    <message>
        <source>8: Date, time setting</source>
        <translation>8: 날짜, 시간 설정</translation>
    </message>
    <message>
        <source>9: Application program end</source>
        <translation>9: 응용 프로그램 종료</translation>
    </message>
    <message>
        <source>10: Applet</source>
        <translation>10: 애플릿</translation>
    </message>
    <message>
        <source>11: Teach pendant option</source>
        <translation>11: 티치 펜던트 옵션</translation>
    </message>
    <message>
        <source>12: Teach pendant sharing</source>
        <translation>12: 티치 펜던트 공유</translation>
    </message>
    <message>
        <source>16: Data gathering</source>
        <translation>16: 데이터 수집</translation>
    </message>
    <message>
        <source>17: History logging</source>
        <translation>17: 이력 기록</translation>
    </message>
    <message>
        <source>1: Data of each axis</source>
        <translation>1: 각 축 데이터</translation>
    </message>
    <message>
        <source>2: Input/Output signal - </source>
        <translation>2: 입출력 신호 - </translation>
    </message>
    <message>
        <source>3: Fieldbus signal - </source>
        <translation>3: 필드버스 신호 - </translation>
    </message>
    <message>
        <source>4: Spot welding data - </source>
        <translation>4: 스폿 용접 데이터 - </translation>
    </message>
    <message>
        <source>5: Arc welding data</source>
        <translation>5: 아크 용접 데이터</translation>
    </message>
    <message>
        <source>7: PLC relay data - </source>
        <translation>7: PLC 릴레이 데이터 - </translation>
    </message>
    <message>
        <source>8: Analog data</source>
        <translation>8: 아날로그 데이터</translation>
    </message>
    <message>
        <source>11: Various data</source>
        <translation>11: 기타 데이터</translation>
    </message>
    <message>
        <source>12: Job program HotEdit</source>
        <translation>12: 작업 프로그램 HotEdit</translation>
    </message>
    <message>
        <source>13: Operation information</source>
        <translation>13: 운전 정보</translation>
    </message>
    <message>
        <source>14: Arc welding operation information</source>
        <translation>14: 아크 용접 운전 정보</translation>
    </message>
    <message>
        <source>15: Embedded fieldbus node state</source>
        <translation>15: 내장 필드버스 노드 상태</translation>
    </message>
    <message>
        <source>16: System characteristic data - </source>
        <translation>16: 시스템 특성 데이터 - </translation>
    </message>
    <message>
        <source>17: System diagnosis data - </source>
        <translation>17: 시스템 진단 데이터 - </translation>
    </message>
    <message>
        <source>18: Multi-tasking state</source>
        <translation>18: 멀티태스킹 상태</translation>
    </message>
    <message>
        <source>20: Edit Ladder</source>
        <translation>20: 래더 편집</translation>
    </message>
    <message>
        <source>24: Playback speed auto control state</source>
        <translation>24: 재생 속도 자동 제어 상태</translation>
    </message>
    <message>
        <source>25: Mastering test state</source>
        <translation>25: 마스터링 테스트 상태</translation>
    </message>
    <message>
        <source>26: External force data of the sensorless force control</source>
        <translation>26: 센서리스 힘 제어의 외력 데이터</translation>
    </message>
    <message>
        <source>1: Private input signal</source>
        <translation>1: 전용 입력 신호</translation>
    </message>
    <message>
        <source>2: Private output signal</source>
        <translation>2: 전용 출력 신호</translation>
    </message>
    <message>
        <source>3: Public input signal</source>
        <translation>3: 범용 입력 신호</translation>
    </message>
    <message>
        <source>4: Public output signal</source>
        <translation>4: 범용 출력 신호</translation>
    </message>
    <message>
        <source>5: Input signal name display</source>
        <translation>5: 입력 신호 이름 표시</translation>
    </message>
    <message>
        <source>6: Output signal name display</source>
        <translation>6: 출력 신호 이름 표시</translation>
    </message>
    <message>
        <source>7: Expand brake input signal</source>
        <translation>7: 확장 브레이크 입력 신호</translation>
    </message>
    <message>
        <source>8: Expand brake output signal</source>
        <translation>8: 확장 브레이크 출력 신호</translation>
    </message>
    <message>
        <source>1: FB1 fieldbus input</source>
        <translation>1: FB1 필드버스 입력</translation>
    </message>
    <message>
        <source>2:  FB1 fieldbus output</source>
        <translation>2: FB1 필드버스 출력</translation>
    </message>
    <message>
        <source>5: FB3 fieldbus input</source>
        <translation>5: FB3 필드버스 입력</translation>
    </message>
    <message>
        <source>6: FB3 fieldbus output</source>
        <translation>6: FB3 필드버스 출력</translation>
    </message>
    <message>
        <source>9: FB5 fieldbus input</source>
        <translation>9: FB5 필드버스 입력</translation>
    </message>
    <message>
        <source>10: FB5 fieldbus output</source>
        <translation>10: FB5 필드버스 출력</translation>
    </message>
    <message>
        <source>1: Spot gun axis data</source>
        <translation>1: 스폿 건 축 데이터</translation>
    </message>
    <message>
        <source>2:  Spot welding input/output signal</source>
        <translation>2: 스폿 용접 입출력 신호</translation>
    </message>
    <message>
        <source>3: Spot welding operating information</source>
        <translation>3: 스폿 용접 운전 정보</translation>
    </message>
    <message>
        <source>1: PLC X Relay (External Input)</source>
        <translation>1: PLC X 릴레이 (외부 입력)</translation>
    </message>
    <message>
        <source>2: PLC Y Relay (External Output)</source>
        <translation>2: PLC Y 릴레이 (외부 출력)</translation>
    </message>
    <message>
        <source>3: PLC R Relay (Auxiliary)</source>
        <translation>3: PLC R 릴레이 (보조)</translation>
    </message>
    <message>
        <source>4: PLC K Relay (Nonvolatile)</source>
        <translation>4: PLC K 릴레이 (비휘발성)</translation>
    </message>
    <message>
        <source>5: PLC T Relay (Timer)</source>
        <translation>5: PLC T 릴레이 (타이머)</translation>
    </message>
    <message>
        <source>6: PLC C Relay (Counter)</source>
        <translation>6: PLC C 릴레이 (카운터)</translation>
    </message>
    <message>
        <source>7: PLC SP Relay (Special)</source>
        <translation>7: PLC SP 릴레이 (특수)</translation>
    </message>
    <message>
        <source>8: PLC DI Relay (PLC Output)</source>
        <translation>8: PLC DI 릴레이 (PLC 출력)</translation>
    </message>
    <message>
        <source>9: PLC DO Relay (PLC Input)</source>
        <translation>9: PLC DO 릴레이 (PLC 입력)</translation>
    </message>
    <message>
        <source>10: PLC MW Relay (Data Memory)</source>
        <translation>10: PLC MW 릴레이 (데이터 메모리)</translation>
    </message>
    <message>
        <source>11: PLC SW Relay (Syetem Memory)</source>
        <translation>11: PLC SW 릴레이 (시스템 메모리)</translation>
    </message>
    <message>
        <source>1: System properties data (integrated)</source>
        <translation>1: 시스템 특성 데이터 (통합)</translation>
    </message>
    <message>
        <source>2: Motion data of individual axes</source>
        <translation>2: 개별 축 동작 데이터</translation>
    </message>
    <message>
        <source>3: Loading rate data</source>
        <translation>3: 부하율 데이터</translation>
    </message>
    <message>
        <source>4: Position deviation, disturbance torque</source>
        <translation>4: 위치 편차, 외란 토크</translation>
    </message>
    <message>
        <source>5: Motor, encoder data</source>
        <translation>5: 모터, 엔코더 데이터</translation>
    </message>
    <message>
        <source>6: Reducer data</source>
        <translation>6: 감속기 데이터</translation>
    </message>
    <message>
        <source>7: Grease injection data</source>
        <translation>7: 그리스 주입 데이터</translation>
    </message>
    <message>
        <source>10: Controller information - </source>
        <translation>10: 제어기 정보 - </translation>
    </message>
    <message>
        <source>11: PRM information - </source>
        <translation>11: PRM 정보 - </translation>
    </message>
    <message>
        <source>1: Controller internal temperature</source>
        <translation>1: 제어기 내부 온도</translation>
    </message>
    <message>
        <source>2: Execution information</source>
        <translation>2: 실행 정보</translation>
    </message>
    <message>
        <source>1: PRM input signal</source>
        <translation>1: PRM 입력 신호</translation>
    </message>
    <message>
        <source>3: PRM information</source>
        <translation>3: PRM 정보</translation>
    </message>
    <message>
        <source>1: Brake diagnosis data</source>
        <translation>1: 브레이크 진단 데이터</translation>
    </message>
    <message>
        <source>2: Drive unit diagnosis data</source>
        <translation>2: 구동부 진단 데이터</translation>
    </message>
    <message>
        <source>3: Gas spring pressure diagnosis data</source>
        <translation>3: 가스 스프링 압력 진단 데이터</translation>
    </message>
    <message>
        <source>1: XYZ shift register</source>
        <translation>1: XYZ 시프트 레지스터</translation>
    </message>
    <message>
        <source>2: Shift buffer</source>
        <translation>2: 시프트 버퍼</translation>
    </message>
    <message>
        <source>3: Online shift register </source>
        <translation>3: 온라인 시프트 레지스터 </translation>
    </message>
    <message>
        <source>5: Counter register</source>
        <translation>5: 카운터 레지스터</translation>
    </message>
    <message>
        <source>1: Record condition</source>
        <translation>1: 기록 조건</translation>
    </message>
    <message>
        <source>2: Record speed</source>
        <translation>2: 기록 속도</translation>
    </message>
    <message>
        <source>3: Record position</source>
        <translation>3: 기록 위치</translation>
    </message>
    <message>
        <source>4: The reference coordinate system</source>
        <translation>4: 기준 좌표계</translation>
    </message>
    <message>
        <source>5: Coordinate transformation</source>
        <translation>5: 좌표 변환</translation>
    </message>
    <message>
        <source>6: Mirror image</source>
        <translation>6: 미러 이미지</translation>
    </message>
    <message>
        <source>7: Step copy</source>
        <translation>7: 스텝 복사</translation>
    </message>
    <message>
        <source>8: Lum Job update</source>
        <translation>8: Lum 작업 업데이트</translation>
    </message>
    <message>
        <source>9: Command statement comment</source>
        <translation>9: 명령문 주석</translation>
    </message>
    <message>
        <source>1: System version</source>
        <translation>1: 시스템 버전</translation>
    </message>
    <message>
        <source>2: Error log</source>
        <translation>2: 에러 로그</translation>
    </message>
    <message>
        <source>3: Operation history</source>
        <translation>3: 운전 이력</translation>
    </message>
    <message>
        <source>9: Average load rate diagnosis</source>
        <translation>9: 평균 부하율 진단</translation>
    </message>
    <message>
        <source>10: History of Maintenance and Repair</source>
        <translation>10: 유지 보수 이력</translation>
    </message>
    <message>
        <source>11: Mastering test history</source>
        <translation>11: 마스터링 테스트 이력</translation>
    </message>
    <message>
        <source>1: User environment</source>
        <translation>1: 사용자 환경</translation>
    </message>
    <message>
        <source>2: Control parameter - </source>
        <translation>2: 제어 파라미터 - </translation>
    </message>
    <message>
        <source>3: Robot parameter - </source>
        <translation>3: 로봇 파라미터 - </translation>
    </message>
    <message>
        <source>4: Application prameter - </source>
        <translation>4: 응용 파라미터 - </translation>
    </message>
    <message>
        <source>5: Initialize - </source>
        <translation>5: 초기화 - </translation>
    </message>
    <message>
        <source>6: Auto calibration - </source>
        <translation>6: 자동 캘리브레이션 - </translation>
    </message>
    <message>
        <source>1: Control environment setting</source>
        <translation>1: 제어 환경 설정</translation>
    </message>
    <message>
        <source>2: Input/Output signal setting - </source>
        <translation>2: 입출력 신호 설정 - </translation>
    </message>
    <message>
        <source>3: Serial port - </source>
        <translation>3: 시리얼 포트 - </translation>
    </message>
    <message>
        <source>4: Robot ready condition</source>
        <translation>4: 로봇 준비 조건</translation>
    </message>
    <message>
        <source>5: Registration of home position</source>
        <translation>5: 홈 위치 등록</translation>
    </message>
    <message>
        <source>6: Shift limit</source>
        <translation>6: 시프트 제한</translation>
    </message>
    <message>
        <source>7: Coordinate registration - </source>
        <translation>7: 좌표계 등록 - </translation>
    </message>
    <message>
        <source>8: Program reservation execution</source>
        <translation>8: 프로그램 예약 실행</translation>
    </message>
    <message>
        <source>9: Network - </source>
        <translation>9: 네트워크 - </translation>
    </message>
    <message>
        <source>11: Automatic backup and restoration</source>
        <translation>11: 자동 백업 및 복원</translation>
    </message>
    <message>
        <source>1: Input signal attribute</source>
        <translation>1: 입력 신호 속성</translation>
    </message>
    <message>
        <source>2: Output signal attribute</source>
        <translation>2: 출력 신호 속성</translation>
    </message>
    <message>
        <source>3: Input signal assign</source>
        <translation>3: 입력 신호 할당</translation>
    </message>
    <message>
        <source>4: Output signal assign</source>
        <translation>4: 출력 신호 할당</translation>
    </message>
    <message>
        <source>5: key signal output</source>
        <translation>5: 키 신호 출력</translation>
    </message>
    <message>
        <source>6: Analog input filter</source>
        <translation>6: 아날로그 입력 필터</translation>
    </message>
    <message>
        <source>10: KM731/KM732 fieldbus information</source>
        <translation>10: KM731/KM732 필드버스 정보</translation>
    </message>
    <message>
        <source>11: KM77x fieldbus(CC-Link) information</source>
        <translation>11: KM77x 필드버스(CC-Link) 정보</translation>
    </message>
    <message>
        <source>12: Embedded DeviceNet master info and setting</source>
        <translation>12: 내장 DeviceNet 마스터 정보 및 설정</translation>
    </message>
    <message>
        <source>13: Embedded DeviceNet slave info and setting</source>
        <translation>13: 내장 DeviceNet 슬레이브 정보 및 설정</translation>
    </message>
    <message>
        <source>14: KM735 real-time Ethernet setting/diagnosis</source>
        <translation>14: KM735 실시간 이더넷 설정/진단</translation>
    </message>
    <message>
        <source>15: KM735 fieldbus setting/diagnosis</source>
        <translation>15: KM735 필드버스 설정/진단</translation>
    </message>
    <message>
        <source>16: CC-Link IE slave settings and diagnosis</source>
        <translation>16: CC-Link IE 슬레이브 설정 및 진단</translation>
    </message>
    <message>
        <source>1: Serial port #1</source>
        <translation>1: 시리얼 포트 #1</translation>
    </message>
    <message>
        <source>2: Serial port #2</source>
        <translation>2: 시리얼 포트 #2</translation>
    </message>
    <message>
        <source>1: User coordinate</source>
        <translation>1: 사용자 좌표계</translation>
    </message>
    <message>
        <source>2: Stationary tool coordinate</source>
        <translation>2: 고정 툴 좌표계</translation>
    </message>
    <message>
        <source>1: Environment setting</source>
        <translation>1: 환경 설정</translation>
    </message>
    <message>
        <source>2: Ethernet state</source>
        <translation>2: 이더넷 상태</translation>
    </message>
    <message>
        <source>3: Service</source>
        <translation>3: 서비스</translation>
    </message>
    <message>
        <source>1: Tool data</source>
        <translation>1: 툴 데이터</translation>
    </message>
    <message>
        <source>2: Axis origin</source>
        <translation>2: 축 원점</translation>
    </message>
    <message>
        <source>3: Soft limit</source>
        <translation>3: 소프트 리밋</translation>
    </message>
    <message>
        <source>4: Encoder offset</source>
        <translation>4: 엔코더 오프셋</translation>
    </message>
    <message>
        <source>5: B axis deadzone</source>
        <translation>5: B축 불감대</translation>
    </message>
    <message>
        <source>6: Accuracy</source>
        <translation>6: 정밀도</translation>
    </message>
    <message>
        <source>7: Additional weight on each axis</source>
        <translation>7: 각 축 부가 하중</translation>
    </message>
    <message>
        <source>10: Set the maintaincurrent redctionf function</source>
        <translation>10: 유지 전류 저감 기능 설정</translation>
    </message>
    <message>
        <source>11: Set the jog inching level</source>
        <translation>11: 조그 인칭 레벨 설정</translation>
    </message>
    <message>
        <source>12: System maintenance - </source>
        <translation>12: 시스템 유지보수 - </translation>
    </message>
    <message>
        <source>13: System diagnosis - </source>
        <translation>13: 시스템 진단 - </translation>
    </message>
    <message>
        <source>14: Impact detection</source>
        <translation>14: 충돌 검출</translation>
    </message>
    <message>
        <source>33: Servo parameter - </source>
        <translation>33: 서보 파라미터 - </translation>
    </message>
    <message>
        <source>34: Accel and decel parameter</source>
        <translation>34: 가감속 파라미터</translation>
    </message>
    <message>
        <source>1: Grease lubrication scheduling setting</source>
        <translation>1: 그리스 윤활 일정 설정</translation>
    </message>
    <message>
        <source>2: Reducer lifespan setting</source>
        <translation>2: 감속기 수명 설정</translation>
    </message>
    <message>
        <source>3: Auto greasing setting</source>
        <translation>3: 자동 그리스 주입 설정</translation>
    </message>
    <message>
        <source>1: Brake diagnosis setting</source>
        <translation>1: 브레이크 진단 설정</translation>
    </message>
    <message>
        <source>2: Drive unit diagnosis setting</source>
        <translation>2: 구동부 진단 설정</translation>
    </message>
    <message>
        <source>3: Gas spring pressure diagnosis setting</source>
        <translation>3: 가스 스프링 압력 진단 설정</translation>
    </message>
    <message>
        <source>1: Model-based impact detection</source>
        <translation>1: 모델 기반 충돌 검출</translation>
    </message>
    <message>
        <source>2: Set the collision detection (of each axis)</source>
        <translation>2: 충돌 검출 설정 (각 축)</translation>
    </message>
    <message>
        <source>3: Set the collision detection (TCP)</source>
        <translation>3: 충돌 검출 설정 (TCP)</translation>
    </message>
    <message>
        <source>1: Servo loop gain</source>
        <translation>1: 서보 루프 게인</translation>
    </message>
    <message>
        <source>2: Operating condition setting</source>
        <translation>2: 운전 조건 설정</translation>
    </message>
    <message>
        <source>3: Motor and encoder type</source>
        <translation>3: 모터 및 엔코더 타입</translation>
    </message>
    <message>
        <source>4: Current loop gain</source>
        <translation>4: 전류 루프 게인</translation>
    </message>
    <message>
        <source>7: Vibration control gain</source>
        <translation>7: 진동 제어 게인</translation>
    </message>
    <message>
        <source>8: Second axis sync parameter</source>
        <translation>8: 제2축 동기 파라미터</translation>
    </message>
    <message>
        <source>9: Servo control environment</source>
        <translation>9: 서보 제어 환경</translation>
    </message>
    <message>
        <source>1: Spot welding - </source>
        <translation>1: 스폿 용접 - </translation>
    </message>
    <message>
        <source>2: Arc welding</source>
        <translation>2: 아크 용접</translation>
    </message>
    <message>
        <source>3: Palletizing - </source>
        <translation>3: 팔레타이징 - </translation>
    </message>
    <message>
        <source>4: Sensor synchronization - </source>
        <translation>4: 센서 동기 - </translation>
    </message>
    <message>
        <source>5: Output voltage propotional to speed</source>
        <translation>5: 속도 비례 전압 출력</translation>
    </message>
    <message>
        <source>7: Interference prevention - </source>
        <translation>7: 간섭 방지 - </translation>
    </message>
    <message>
        <source>10: Command independent execution</source>
        <translation>10: 명령 독립 실행</translation>
    </message>
    <message>
        <source>12: Roller Hemming Squeeze Control</source>
        <translation>12: 롤러 헤밍 가압 제어</translation>
    </message>
    <message>
        <source>14: Force control - </source>
        <translation>14: 힘 제어 - </translation>
    </message>
    <message>
        <source>16: Joystick mode</source>
        <translation>16: 조이스틱 모드</translation>
    </message>
    <message>
        <source>17: Learning Control</source>
        <translation>17: 학습 제어</translation>
    </message>
    <message>
        <source>18: Warvel</source>
        <translation>18: Warvel</translation>
    </message>
    <message>
        <source>19: Mastering test</source>
        <translation>19: 마스터링 테스트</translation>
    </message>
    <message>
        <source>1: Set tool number and gun-type</source>
        <translation>1: 툴 번호 및 건 타입 설정</translation>
    </message>
    <message>
        <source>2: Environment setting</source>
        <translation>2: 환경 설정</translation>
    </message>
    <message>
        <source>3: Welding gun parameter</source>
        <translation>3: 용접 건 파라미터</translation>
    </message>
    <message>
        <source>4: Welding data (Cnd, Seq)</source>
        <translation>4: 용접 데이터 (Cnd, Seq)</translation>
    </message>
    <message>
        <source>5: Input signal assgin</source>
        <translation>5: 입력 신호 할당</translation>
    </message>
    <message>
        <source>6: Output signal assgin</source>
        <translation>6: 출력 신호 할당</translation>
    </message>
    <message>
        <source>7: Servo gun squeeze tuning</source>
        <translation>7: 서보 건 가압 튜닝</translation>
    </message>
    <message>
        <source>8: Servo gun auto setting</source>
        <translation>8: 서보 건 자동 설정</translation>
    </message>
    <message>
        <source>9: SWD file recovery</source>
        <translation>9: SWD 파일 복구</translation>
    </message>
    <message>
        <source>1: Norvik</source>
        <translation>1: Norvik</translation>
    </message>
    <message>
        <source>1: Function use</source>
        <translation>1: 기능 사용</translation>
    </message>
    <message>
        <source>1: Cube interference prevention</source>
        <translation>1: 큐브 간섭 방지</translation>
    </message>
    <message>
        <source>2: Arm interference prevention</source>
        <translation>2: 암 간섭 방지</translation>
    </message>
    <message>
        <source>1: System format</source>
        <translation>1: 시스템 포맷</translation>
    </message>
    <message>
        <source>2: Robot type selection</source>
        <translation>2: 로봇 기종 선택</translation>
    </message>
    <message>
        <source>3: Usage setting</source>
        <translation>3: 용도 설정</translation>
    </message>
    <message>
        <source>4: Serial encoder reset</source>
        <translation>4: 시리얼 엔코더 리셋</translation>
    </message>
    <message>
        <source>6: Mechanism setting</source>
        <translation>6: 메커니즘 설정</translation>
    </message>
    <message>
        <source>9: Axis lock setting</source>
        <translation>9: 축 잠금 설정</translation>
    </message>
    <message>
        <source>11: System password setting</source>
        <translation>11: 시스템 암호 설정</translation>
    </message>
    <message>
        <source>1: Optimize axis origin and tool length</source>
        <translation>1: 축 원점 및 툴 길이 최적화</translation>
    </message>
    <message>
        <source>3: LVS coordinate calibration</source>
        <translation>3: LVS 좌표계 캘리브레이션</translation>
    </message>
    <message>
        <source>4: Load estimation function</source>
        <translation>4: 부하 추정 기능</translation>
    </message>
    <message>
        <source>7: Coordinate calivration for OLP</source>
        <translation>7: OLP용 좌표계 캘리브레이션</translation>
    </message>
    <message>
        <source>9: Robot and tool calibration</source>
        <translation>9: 로봇 및 툴 캘리브레이션</translation>
    </message>
    <message>
        <source>10: Auto tuning of additional axis</source>
        <translation>10: 부가축 자동 튜닝</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>숫자를 입력하십시오.</translation>
    </message>
    <message>
        <source>Out of range of seconds.</source>
        <translation>초 값이 범위를 벗어났습니다.</translation>
    </message>
    <message>
        <source>Out of range of Time.</source>
        <translation>시간 값이 범위를 벗어났습니다.</translation>
    </message>
    <message>
        <source>Save OPR File</source>
        <translation>OPR 파일 저장</translation>
    </message>
    <message>
        <source>OPR files(*.OPR);;All files(*.*)</source>
        <translation>OPR 파일(*.OPR);;모든 파일(*.*)</translation>
    </message>
    <message>
        <source>Please open the ERR file and try again.</source>
        <translation>ERR 파일을 연 다음 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>HISTORY.TXT does not exist.</source>
        <translation>HISTORY.TXT 파일이 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is Not Found.</source>
        <translation>&quot;%1&quot;을(를) 찾을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>VelloranClass</name>
    <message>
        <source>No</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>에러</translation>
    </message>
    <message>
        <source>AxisNo</source>
        <translation>축번호</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>스텝</translation>
    </message>
    <message>
        <source>Func</source>
        <translation>기능</translation>
    </message>
    <message>
        <source>Axis1</source>
        <translation>1축</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>2축</translation>
    </message>
    <message>
        <source>Axis3</source>
        <translation>3축</translation>
    </message>
    <message>
        <source>Axis4</source>
        <translation>4축</translation>
    </message>
    <message>
        <source>Axis5</source>
        <translation>5축</translation>
    </message>
    <message>
        <source>Axis6</source>
        <translation>6축</translation>
    </message>
    <message>
        <source>Axis7</source>
        <translation>7축</translation>
    </message>
    <message>
        <source>Axis8</source>
        <translation>8축</translation>
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
        <translation>횟수</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>에러 코드</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>기능</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>1축</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>2축</translation>
    </message>
    <message>
        <source>Axis 3</source>
        <translation>3축</translation>
    </message>
    <message>
        <source>Axis 4</source>
        <translation>4축</translation>
    </message>
    <message>
        <source>Axis 5</source>
        <translation>5축</translation>
    </message>
    <message>
        <source>Axis 6</source>
        <translation>6축</translation>
    </message>
    <message>
        <source>Axis 7</source>
        <translation>7축</translation>
    </message>
    <message>
        <source>Axis 8</source>
        <translation>8축</translation>
    </message>
    <message>
        <source>모드스위치(자동)</source>
        <translation>모드스위치(자동)</translation>
    </message>
    <message>
        <source>모드스위치(수동)</source>
        <translation>모드스위치(수동)</translation>
    </message>
    <message>
        <source>모드스위치(원격)</source>
        <translation>모드스위치(원격)</translation>
    </message>
    <message>
        <source>모드스위치(시스템)</source>
        <translation>모드스위치(시스템)</translation>
    </message>
    <message>
        <source>모터 ON(TP)</source>
        <translation>모터 ON(TP)</translation>
    </message>
    <message>
        <source>모터 ON(외부)</source>
        <translation>모터 ON(외부)</translation>
    </message>
    <message>
        <source>기동(TP)</source>
        <translation>기동(TP)</translation>
    </message>
    <message>
        <source>정지(TP)</source>
        <translation>정지(TP)</translation>
    </message>
    <message>
        <source>인에이블스위치(TP)</source>
        <translation>인에이블스위치(TP)</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MC1(PreCharge)</source>
        <translation>MC1(프리차지)</translation>
    </message>
    <message>
        <source>MC2(Motors Power)</source>
        <translation>MC2(모터 전원)</translation>
    </message>
    <message>
        <source>안전가드(자동)</source>
        <translation>안전가드(자동)</translation>
    </message>
    <message>
        <source>안전가드(일반)</source>
        <translation>안전가드(일반)</translation>
    </message>
    <message>
        <source>비상정지(TP)</source>
        <translation>비상정지(TP)</translation>
    </message>
    <message>
        <source>비상정지(OP)</source>
        <translation>비상정지(OP)</translation>
    </message>
    <message>
        <source>비상정지(외부)</source>
        <translation>비상정지(외부)</translation>
    </message>
    <message>
        <source>리밋(Over-Travel)</source>
        <translation>리밋(Over-Travel)</translation>
    </message>
    <message>
        <source>리밋(Over-Travel)부가</source>
        <translation>리밋(Over-Travel)부가</translation>
    </message>
    <message>
        <source>승강축벨트/리밋(Arm)</source>
        <translation>승강축벨트/리밋(Arm)</translation>
    </message>
    <message>
        <source>리밋(Over-Traval)확장</source>
        <translation>리밋(Over-Traval)확장</translation>
    </message>
    <message>
        <source>모터과열(TS)</source>
        <translation>모터과열(TS)</translation>
    </message>
    <message>
        <source>모터과열(TS)부가</source>
        <translation>모터과열(TS)부가</translation>
    </message>
    <message>
        <source>브레이크 전압저하</source>
        <translation>브레이크 전압저하</translation>
    </message>
    <message>
        <source>로봇팬(R-FAN)고장</source>
        <translation>로봇팬(R-FAN)고장</translation>
    </message>
    <message>
        <source>과부하(Motors전원)</source>
        <translation>과부하(Motors전원)</translation>
    </message>
    <message>
        <source>과부하(Brakes전원)</source>
        <translation>과부하(Brakes전원)</translation>
    </message>
    <message>
        <source>과부하(Control전원)</source>
        <translation>과부하(Control전원)</translation>
    </message>
    <message>
        <source>과부하(SMPS전원)</source>
        <translation>과부하(SMPS전원)</translation>
    </message>
    <message>
        <source>FLT(AMP Fault)</source>
        <translation>FLT(앰프 고장)</translation>
    </message>
    <message>
        <source>OV(AMP OverVoltage)</source>
        <translation>OV(앰프 과전압)</translation>
    </message>
    <message>
        <source>UV(AMP UnderVoltage)</source>
        <translation>UV(앰프 저전압)</translation>
    </message>
    <message>
        <source>OC(AMP OverCurrent)</source>
        <translation>OC(앰프 과전류)</translation>
    </message>
    <message>
        <source>SV_BK(서보브레이크제어)</source>
        <translation>SV_BK(서보브레이크제어)</translation>
    </message>
    <message>
        <source>/SVON(서보ON)</source>
        <translation>/SVON(서보ON)</translation>
    </message>
    <message>
        <source>컨버터 타입 확인</source>
        <translation>컨버터 타입 확인</translation>
    </message>
    <message>
        <source>/PWMON</source>
        <translation>/PWMON</translation>
    </message>
    <message>
        <source>OP보드 연결확인</source>
        <translation>OP보드 연결확인</translation>
    </message>
    <message>
        <source>ESCAPE</source>
        <translation>ESCAPE</translation>
    </message>
    <message>
        <source>예약 1</source>
        <translation>예약 1</translation>
    </message>
    <message>
        <source>예약 2</source>
        <translation>예약 2</translation>
    </message>
    <message>
        <source>예약 3</source>
        <translation>예약 3</translation>
    </message>
    <message>
        <source>예약 4</source>
        <translation>예약 4</translation>
    </message>
    <message>
        <source>시스템 이상</source>
        <translation>시스템 이상</translation>
    </message>
    <message>
        <source>MCON1(PreCharge)</source>
        <translation>MCON1(프리차지)</translation>
    </message>
    <message>
        <source>MCON2(Motors Power)</source>
        <translation>MCON2(모터 전원)</translation>
    </message>
    <message>
        <source>HIGH Speed 1</source>
        <translation>고속 1</translation>
    </message>
    <message>
        <source>HIGH Speed 2</source>
        <translation>고속 2</translation>
    </message>
    <message>
        <source>ESCON1(Release1)</source>
        <translation>ESCON1(해제1)</translation>
    </message>
    <message>
        <source>ESCON2(Release2)</source>
        <translation>ESCON2(해제2)</translation>
    </message>
    <message>
        <source>브레이크제어 1</source>
        <translation>브레이크제어 1</translation>
    </message>
    <message>
        <source>브레이크제어 2</source>
        <translation>브레이크제어 2</translation>
    </message>
    <message>
        <source>브레이크제어 3</source>
        <translation>브레이크제어 3</translation>
    </message>
    <message>
        <source>브레이크제어 4</source>
        <translation>브레이크제어 4</translation>
    </message>
    <message>
        <source>브레이크제어 5</source>
        <translation>브레이크제어 5</translation>
    </message>
    <message>
        <source>브레이크제어 6</source>
        <translation>브레이크제어 6</translation>
    </message>
    <message>
        <source>브레이크제어 7</source>
        <translation>브레이크제어 7</translation>
    </message>
    <message>
        <source>브레이크제어 8</source>
        <translation>브레이크제어 8</translation>
    </message>
    <message>
        <source>원격 자동모드 1</source>
        <translation>원격 자동모드 1</translation>
    </message>
    <message>
        <source>원격 자동모드 2</source>
        <translation>원격 자동모드 2</translation>
    </message>
    <message>
        <source>냉각팬 꺼짐</source>
        <translation>냉각팬 꺼짐</translation>
    </message>
    <message>
        <source>RunTo</source>
        <translation>진행단위</translation>
    </message>
    <message>
        <source>JogInch</source>
        <translation>조그/인칭</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>인에이블</translation>
    </message>
    <message>
        <source>EmgStop</source>
        <translation>비상정지</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>원격</translation>
    </message>
    <message>
        <source>AutoMode</source>
        <translation>자동모드</translation>
    </message>
    <message>
        <source>PlayBack</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>MotOn</source>
        <translation>모터 ON</translation>
    </message>
    <message>
        <source>SI1. WRC</source>
        <translation>SI1. WRC</translation>
    </message>
    <message>
        <source>SI2. Shock Sensor</source>
        <translation>SI2. 충돌 센서</translation>
    </message>
    <message>
        <source>SI3. Wire Stick</source>
        <translation>SI3. 와이어 융착</translation>
    </message>
    <message>
        <source>SI4. Welder Error</source>
        <translation>SI4. 용접기 이상</translation>
    </message>
    <message>
        <source>SI5. Wire State</source>
        <translation>SI5. 와이어 상태</translation>
    </message>
    <message>
        <source>SI6. Gas State</source>
        <translation>SI6. 가스 상태</translation>
    </message>
    <message>
        <source>SI7. Reserved</source>
        <translation>SI7. 예약</translation>
    </message>
    <message>
        <source>SI8. Reserved</source>
        <translation>SI8. 예약</translation>
    </message>
    <message>
        <source>SO1. Torch Switch</source>
        <translation>SO1. 토치 스위치</translation>
    </message>
    <message>
        <source>SO2. Inching</source>
        <translation>SO2. 인칭</translation>
    </message>
    <message>
        <source>SO3. Retract</source>
        <translation>SO3. 와이어 후퇴</translation>
    </message>
    <message>
        <source>SO4. Stick Check</source>
        <translation>SO4. 융착 검출</translation>
    </message>
    <message>
        <source>SO5. Gas Check</source>
        <translation>SO5. 가스 체크</translation>
    </message>
    <message>
        <source>SO6. Reserved</source>
        <translation>SO6. 예약</translation>
    </message>
    <message>
        <source>SO7. Reserved</source>
        <translation>SO7. 예약</translation>
    </message>
    <message>
        <source>SO8. Reserved</source>
        <translation>SO8. 예약</translation>
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
        <translation>시스템 입력</translation>
    </message>
    <message>
        <source>System Output</source>
        <translation>시스템 출력</translation>
    </message>
    <message>
        <source>General I/O</source>
        <translation>범용 입출력</translation>
    </message>
    <message>
        <source>Arc In/Output Signal</source>
        <translation>아크 입출력 신호</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
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
        <translation>아날로그 신호</translation>
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
        <translation>파일 열기</translation>
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
        <translation>상세 정보</translation>
    </message>
    <message>
        <source>HISTORY.TXT</source>
        <translation>HISTORY.TXT</translation>
    </message>
    <message>
        <source>General Digital Input(DI1 ~ DI256)</source>
        <translation>범용 디지털 입력(DI1 ~ DI256)</translation>
    </message>
    <message>
        <source>General Digital Output(DO1 ~ DO256)</source>
        <translation>범용 디지털 출력(DO1 ~ DO256)</translation>
    </message>
    <message>
        <source>Arc Input Signal</source>
        <translation>아크 입력 신호</translation>
    </message>
    <message>
        <source>Arc Output Signal</source>
        <translation>아크 출력 신호</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>원인</translation>
    </message>
    <message>
        <source>Remedy</source>
        <translation>조치 방법</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Gulim&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Remedy&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Gulim&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;조치 방법&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>System Characteristic Data</source>
        <translation>시스템 특성 데이터</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>날짜/시간</translation>
    </message>
    <message>
        <source>ModeSel</source>
        <translation>모드선택</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>저장</translation>
    </message>
</context>
</TS>

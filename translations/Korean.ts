<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ConfigListText</name>
    <message>
        <source>Printing Density</source>
        <translation>인쇄 농도</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>인쇄 속도</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>기본 코드 페이지</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>기본 글꼴</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>2바이트 글꼴 모드</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>프린터 서비스</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>절취 위치</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>용지 끝 경고음</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>배터리 부족 경고음</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>자동 전원 꺼짐 시간(연결 안 됨)</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>자동 절전 시간(연결됨)</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>MSR 트리거</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>센티널 옵션</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>전송 속도</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>데이터 비트</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>패리티</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>정지 비트</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>인증 및 암호화</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>연결 모드</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 코드</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>프린터 이름</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>트랙1 시작 코드</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>트랙2 시작 코드</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>트랙3 시작 코드</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>트랙1 끝 코드</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>트랙2 끝 코드</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>트랙3 끝 코드</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>글꼴 A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>글꼴 B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>글꼴 C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>A 글꼴(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>B 글꼴(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>영수증</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>라벨</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜짐</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>꺼짐</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>트랙 1/2/3 명령 읽기 모드</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>트랙 1 자동 읽기</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>트랙 2 자동 읽기</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>트랙 3 자동 읽기</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>트랙 1/2 자동 읽기</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>트랙 2/3 자동 읽기</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>트랙 1/2/3 자동 읽기</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>MSR 트리거 사용 안 함</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>고정 센티널</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>가변 센티널</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>홀수</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>짝수</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>모드 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>모드 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>모드 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>포트 열기 오류!</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>포트 열기 오류!!!</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>프린터 모델이 일치하지 않습니다!</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>프린터 모델 이름이 일치하지 않습니다...!!</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>프린터 버전을 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>프린터 버전을 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>공장 기본값으로 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>코드 페이지를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>MSR 모드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>SW1 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>SW2 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>SW3 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>SW5 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>SW6 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>SW7 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>SW8 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>절취 위치를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>SW51 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>IFSW1 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>IFSW2 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>IFSW3 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>IFSW4 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>트랙 1의 센티널 코드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>트랙 1의 센티널 코드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>트랙 2의 센티널 코드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>트랙 2의 센티널 코드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>트랙 3의 센티널 코드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>트랙 3의 센티널 코드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>RF 인터페이스를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>RF 인터페이스를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>블루투스 연결 모드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>블루투스 연결 모드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>블루투스 장치 이름을 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>블루투스 장치 이름을 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>블루투스 PIN 코드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>블루투스 PIN 코드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>블루투스 암호화 정보를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>블루투스 암호화 정보를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>코드 페이지를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>MSR 모드를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>MSW1 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>MSW1 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>MSW2 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>MSW2 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>MSW3 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>MSW3 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>MSW5 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>MSW5 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>MSW6 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>MSW6 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>MSW7 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>MSW7 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>MSW8 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>MSW8 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>IFSW1 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>IFSW2 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>IFSW3 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>IFSW4 데이터를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>초기화 명령을 보내지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>설정 종료 명령을 보내지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>설정 종료 명령을 보내지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>블루투스 정보를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>블루투스 정보를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>초기화 명령을 보내지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>MSW1 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>MSW2 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>MSW3 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>MSW5 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>MSW6 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>MSW7 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>MSW8 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>IFSW1 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>SW51 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>IFSW2 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>IFSW3 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>IFSW4 데이터를 쓰지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>트랙 1의 센티널 코드를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>트랙 1의 센티널 코드를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>트랙 2의 센티널 코드를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>트랙 2의 센티널 코드를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>트랙 3의 센티널 코드를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>트랙 3의 센티널 코드를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>RF 인터페이스를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>RF 인터페이스를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>초기화 명령을 보내지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>직렬 포트 정보를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>직렬 포트 정보를 설정하지 못했습니다!</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>가상 메모리 스위치 관리</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>상태 읽기</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>상태 설정</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>상태 읽기...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>상태 설정...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>처리 중...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>상태 읽기</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>상태 설정</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>VMSM 구성을 설정했습니다! <byte value="xd"/>
프린터 전원을 껐다가 다시 켜십시오.</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>VMSM 구성을 저장하지 못했습니다!<byte value="xd"/>
프린터 상태를 확인하십시오.</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>VMSM 관리 유틸리티</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM을 설정했습니다!</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>가상 메모리 스위치를 저장하지 못했습니다!!<byte value="xd"/>
프린터 상태를 확인하십시오</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>통합 관리 유틸리티</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>다운로드가 중지되었습니다...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 이미지 관리</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>진행 중...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>포트 여는 중...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>프린터 확인 중...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>NV 이미지 주소 읽는 중...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>선택한 NV 이미지 삭제 중...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>모든 NV 이미지 삭제 중...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>다운로드 시작 중...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>모든 NV 이미지 인쇄 중...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>선택한 NV 이미지 인쇄 중...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>다운로드 마무리 중...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>NV 이미지 주소를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> 지원되지 않는 작업입니다!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> 데이터를 쓰지 못했습니다!<byte value="xd"/>
프린터를 확인하십시오.</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>선택된 비트맵 파일이 없습니다.</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>NV 이미지 영역이 너무 작습니다!</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>NV 이미지 주소 읽는 중</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>선택한 NV 이미지 삭제 중</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>모든 NV 이미지 삭제 중</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>이미지 다운로드 중....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>모든 NV 이미지 인쇄 중...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>선택한 NV 이미지 인쇄 중...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>포트 여는 중..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>프린터 확인 중...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>NV 이미지 주소 읽는 중</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>선택한 NV 이미지 삭제 중</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>모든 NV 이미지 삭제 중</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>다운로드 시작 중....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>모든 NV 이미지 인쇄 중</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>선택한 NV 이미지 인쇄 중</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>다운로드 마무리 중....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>NV 이미지 주소를 읽지 못했습니다!</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> 데이터를 쓰지 못했습니다!<byte value="xd"/>
프린터를 확인하십시오!</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>데이터를 쓰지 못했습니다!<byte value="xd"/>
프린터를 확인하십시오!</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>선택된 비트맵 파일이 없습니다.</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>NV 이미지 영역이 너무 작습니다!</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>남은 주소 코드가 없습니다!</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>이미지 다운로드를 취소했습니다.</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>이미지 파일을 불러오지 못했습니다!</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>주소 코드는 두 글자여야 합니다!</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>이미 있는 주소입니다!</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>펌웨어 다운로드 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>펌웨어 다운로드 중...프린터를 끄지 마십시오!!!</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>펌웨어 다운로드를 마쳤습니다. 프린터를 재설정하십시오!</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>오류 : 파일 열기 오류!</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>오류 : 포트를 열 수 없습니다! 프린터를 확인하십시오</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>오류 : 전송하지 못했습니다!</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>펌웨어를 다운로드했습니다!</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>이미지 파일에 픽셀이 없습니다!</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>상태 읽기 : %1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>상태 설정 : %1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>상태 읽기 : %1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>상태 설정 : %1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>완료....: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>완료..: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>%1 다운로드 중...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>이미지가 너무 납작합니다: 너비 %1도트에서는 남는 줄이 없습니다!</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>이미지가 NV 이미지 하나에 비해 너무 큽니다: 래스터 %1바이트, 최대 %2 (384도트에서 최대 1365줄)!</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>프린터가 연결을 닫았습니다.</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>프린터가 조회를 받지 않았습니다.</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>프린터가 다른 제조사를 보고합니다.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>프린터 응답에 모델 이름이 없습니다.</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>%1초 안에 응답이 없었습니다.</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>%1초 안에 응답이 없었습니다. 이전 응답에는 %2초가 걸렸습니다. 프린터가 다른 클라이언트와 작업 중일 수 있습니다.</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>이전 응답에는 %1초가 걸렸습니다. 프린터가 다른 클라이언트와 작업 중일 수 있습니다.</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>프린터가 보고한 모델은 &quot;%1&quot;입니다.</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>프린터 응답 &quot;%1&quot;에 모델 이름이 없습니다.</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>잘못된 값입니다!</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>HEXA 형식이 잘못되었습니다!!</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>센티널 길이가 10을 넘습니다 ( 길이 범위 : 1~10 )</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>센티널 값이 잘못되었습니다 (0x20~0x7F)</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>저장을 취소했습니다. 프린터에 아무것도 기록되지 않았습니다.</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>저장 도중에 취소했습니다. 일부 설정이 이미 프린터에 기록되었을 수 있습니다.<byte value="xd"/>
변경하기 전에 설정을 다시 읽어 오십시오.</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 포트가 없습니다. 프린터가 연결되어 있지 않거나 포트 이름이 잘못되었습니다(`pelmora ports`로 포트 목록을 볼 수 있습니다).</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 포트로는 프린터에 연결할 수 없습니다(`pelmora ports`로 포트 목록을 볼 수 있습니다).</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>%1 포트에 대한 권한이 거부되었습니다(이 컴퓨터의 관리자에게 포트 접근 권한을 요청하십시오).</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>%1 포트에 대한 권한이 거부되었습니다. %2 그룹에 가입하십시오(sudo usermod -aG %2 $USER 실행 후 다시 로그인).</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>다른 프로그램이 %1 포트를 사용 중입니다. 그 프로그램을 닫은 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>다른 프로그램(%2)이 %1 포트를 사용 중입니다. 그 프로그램을 닫은 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 주소에서 연결을 거부했습니다. 해당 포트에서 수신 대기하는 것이 없습니다(프린터의 주소와 포트를 확인하십시오).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>%1 주소에 연결할 수 없습니다. 경로가 없습니다(주소와 이 컴퓨터의 네트워크 연결을 확인하십시오).</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 주소가 %2초 안에 연결에 응답하지 않았습니다(프린터가 켜져 있는지, 주소가 올바른지 확인하십시오).</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>%1의 호스트 이름을 알 수 없습니다(철자를 확인하거나 프린터의 IP 주소를 입력하십시오).</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 값은 프린터가 가질 수 있는 주소가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 포트를 열었지만 DSR 신호를 유지하는 프린터가 없습니다. 프린터가 꺼져 있거나 연결되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 포트가 회선 설정을 받아들이지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 연결을 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>%2초 안에 %1바이트가 돌아왔지만 프린터의 응답이 아닙니다. 이 연결에서는 다른 장치가 응답하고 있습니다(포트와, 직렬 회선이라면 그 속도를 확인하십시오).</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>Pelmora 정보</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Pelmora %1</source>
        <translation>Pelmora %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>라이선스: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>프린터 찾기</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>찾은 프린터:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>주소:</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>TCP 포트:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>이 프린터 사용</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>검색할 주소를 입력하십시오.</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>1~65535 사이의 TCP 포트를 입력하십시오.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>주소 %2개 중 %1개에서 중지됨, %3대 찾음</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>주소 %2개 중 %1개, %3대 찾음</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>이 컴퓨터에는 직렬, Bluetooth 또는 USB 프린터 포트가 없습니다.</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>이 컴퓨터의 포트: %2개 중 %1개 확인, %3대 찾음</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FoundPrinterModel</name>
    <message>
        <source>%1, firmware %2 (%3)</source>
        <translation>%1, 펌웨어 %2 (%3)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>건너뜀: %1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>MPT-Q700VII 아님: %1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1 (기본 창은 IPv4 주소만 사용할 수 있음)</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>확인 중...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>인터페이스</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>프린터</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>통신 설정</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP 포트</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>인터페이스 :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>포트 :</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>전송 속도 :</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>데이터 비트 :</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>정지 비트 :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>패리티 :</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>흐름 제어 :</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>가상 메모리 스위치 관리</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 이미지 관리</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>펌웨어 관리</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>Pelmora 정보(&amp;A)</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * 메뉴 선택 
 이 응용 프로그램은 Pelmora입니다. 통신 설정과 코드 페이지를 변경하고 NV 이미지를 다운로드하는 등의 작업을 할 수 있습니다.</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora PC용 V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>연결된 USB 프린터가 없습니다!</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>손상된 줄</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>%2에 저장된 통신 설정 일부를 읽을 수 없습니다 (%1).
창에는 기본값이 표시되며, 저장된 내용은 &quot;종료&quot;를 눌러야만 바뀝니다.</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>USB 프린터 %1 (%2)의 연결이 끊어졌습니다.
&quot;USB&quot;를 다시 선택하여 연결된 프린터 목록을 확인하십시오.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>&quot;%1&quot; 값은 IPv4 주소가 아닙니다.
0에서 255 사이의 숫자 네 개를 점으로 구분하여 입력하십시오(예: 192.168.0.10).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>&quot;%1&quot; 값은 TCP 포트가 아닙니다.
1에서 65535 사이의 숫자를 입력하십시오.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>통신 설정을 %1에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>프린터 찾기...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>통신 설정</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>TCP/IP 통신</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>가상 메모리 스위치 관리자</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>NV 관리자</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora</source>
        <translation>MPT-Q700VII Pelmora</translation>
    </message>
    <message>
        <source>IP :</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>포트 :</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>전송 속도 :</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP 포트</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>&quot;%1&quot; 값은 IPv4 주소가 아닙니다.
0에서 255 사이의 숫자 네 개를 점으로 구분하여 입력하십시오(예: 192.168.1.1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>&quot;%1&quot; 값은 TCP 포트가 아닙니다.
1에서 65535 사이의 숫자를 입력하십시오.</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>프린터가 설정을 받았지만 저장할 수 없습니다.
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>통신 설정을 저장할 수 없습니다.
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>저장된 설정을 읽을 수 없습니다. 화면에는 기본값이 표시됩니다.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>인쇄 속도 :</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>인쇄 농도 :</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>기본 글꼴</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>기본 코드 페이지</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>고급..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>MSR 트리거 모드</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>서비스 :</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>영수증</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>라벨</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>절취 위치 :
&lt;0~640 단위&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>용지 롤 끝 경고음</translation>
    </message>
    <message>
        <source>False</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>True</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>배터리 부족 경고음</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>2바이트 문자 모드</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>직렬 인터페이스 구성</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>전송 속도 :</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>패리티 :</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>데이터 길이 :</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>정지 비트 :</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>자동 전원 끄기 시간<byte value="xd"/>
&lt;0~90 분&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>자동 절전<byte value="xd"/>
시간 &lt;10~255 초&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>BT 설정 변경 허용</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>인증 및 암호화</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>연결 모드</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>모드1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>모드2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>모드3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>PIN 코드 &lt;최대 12자&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>프린터 이름 &lt;최대 30자&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;단계%1-%2&gt; VMSM  관리자</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>VMSM 관리자</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>VMSM 관리자를 취소하시겠습니까?</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>%1에서 %2 사이의 정수를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>양의 정수를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>최대 %1자를 입력하십시오(Latin-1만 해당).</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>프린터 설정 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>프린터 설정 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>프린터 인터페이스</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>설정 페이지</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>인쇄 농도</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>단위 (0~%1)</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>분 (0~%1 예&gt; 30)</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>초 (0, 10~%1 예&gt; 100)</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>MSR 구성</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>고급</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>직렬 인터페이스 구성</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>블루투스 설정 사용</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>블루투스 인터페이스 구성</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>고급 MSR 설정</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>MSR 센티널 설정</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>센티널 옵션</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>가변</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>트랙1 시작</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>트랙2 시작</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>트랙3 시작</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>트랙1 끝</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>트랙2 끝</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>트랙3 끝</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII (예: &quot;START(1)&quot;)</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>HEXA</source>
        <translation>16진수</translation>
    </message>
    <message>
        <source>HEXA (ex: \&quot;0A 1F 10 4C\&quot;)</source>
        <translation>HEXA (예: \&quot;0A 1F 10 4C\&quot;)</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII (예: \&quot;START(1)\&quot;)</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>펌웨어 다운로드 관리</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>다운로드 진행률</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>상태 : </translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>펌웨어 파일(*.fls)을 선택하십시오. </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>다운로드 시작</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>펌웨어 파일(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>%1 파일을 읽기/쓰기용으로 열 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 파일은 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 경로는 폴더입니다.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 파일이 %2MiB보다 큽니다.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 파일을 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 이미지 관리</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>밝기 </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>인쇄 모양</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>프린터가 이 이미지로 저장할 점을 보여 줍니다</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>색 범위 변경</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>이미지 목록</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>기능</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>이미지 추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>선택한 비트맵을 목록에서 뺍니다</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>자동 주소 지정</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>NV 이미지 목록</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>모두 인쇄</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>선택한 이미지를 프린터에서 삭제합니다</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>모두 제거</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>이미지 파일 목록</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>자동 주소 지정</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>NV 관리 유틸리티</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1바이트</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;이미지: %1/%2 - 메모리: %3/%4 (바이트)&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>이미지 파일(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>모든 이미지 파일(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>선택된 비트맵 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>선택한 항목을 모두 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>주소를 선택하십시오!</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>이미지 목록을 저장할 수 없습니다.
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 이미지 관리</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>NV 주소</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>주소 코드 : </translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>주소 코드 :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>잘못된 값입니다!</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>진행 중...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>처리 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>취소하는 중...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>프린터가 설정을 받았지만 저장하지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>%1에서 %2 사이의 정수를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>양의 정수를 입력하십시오.</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvManagerLaunch</name>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>NV 관리 유틸리티</translation>
    </message>
</context>
</TS>

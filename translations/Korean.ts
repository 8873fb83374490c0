<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>pelmora::desktop::CAboutDlg</name>
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
</context>
<context>
    <name>pelmora::desktop::CQ700TCUtilityDlg</name>
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
        <translation>&quot;%1&quot;은(는) IPv4 주소가 아닙니다.
0에서 255 사이의 숫자 네 개를 점으로 구분하여 입력하십시오(예: 192.168.0.10).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>&quot;%1&quot;은(는) TCP 포트가 아닙니다.
1에서 65535 사이의 숫자를 입력하십시오.</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>통신 설정을 %1에 저장할 수 없습니다.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>ConfigListText</name>
    <message>
        <source>Printing Density</source>
        <translation>列印濃度</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>列印速度</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>預設字碼頁</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>預設字型</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>雙位元組字型模式</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>印表機用途</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>撕紙位置</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>紙捲用盡提示音</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>電池電量不足提示音</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>自動關機時間（未連線）</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>自動省電時間（已連線）</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>MSR 觸發</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>標記選項</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>鮑率</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>資料位元</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>同位檢查</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>停止位元</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>驗證與加密</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>連線模式</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 碼</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>印表機名稱</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>磁軌1 起始碼</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>磁軌2 起始碼</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>磁軌3 起始碼</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>磁軌1 結束碼</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>磁軌2 結束碼</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>磁軌3 結束碼</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>字型 A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>字型 B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>字型 C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>A 字型(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>B 字型(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>收據</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>磁軌 1/2/3 指令讀取模式</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>磁軌 1 自動觸發讀取</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>磁軌 2 自動觸發讀取</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>磁軌 3 自動觸發讀取</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>磁軌 1/2 自動觸發讀取</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>磁軌 2/3 自動觸發讀取</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>磁軌 1/2/3 自動觸發讀取</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>不使用 MSR 觸發</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>固定標記</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>自訂標記</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇同位</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶同位</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>模式 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>模式 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>模式 3</translation>
    </message>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>無</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>連接埠開啟錯誤！</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>連接埠開啟錯誤！！！</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>印表機型號不符！</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>印表機型號名稱不符...！！</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>無法讀取印表機版本！</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>無法讀取印表機版本！</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>無法設定出廠預設值！</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>無法讀取字碼頁！</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>無法讀取 MSR 模式！</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>無法讀取 SW1 資料！</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>無法讀取 SW2 資料！</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>無法讀取 SW3 資料！</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>無法讀取 SW5 資料！</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>無法讀取 SW6 資料！</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>無法讀取 SW7 資料！</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>無法讀取 SW8 資料！</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>無法讀取撕紙位置！</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>無法讀取 SW51 資料！</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>無法讀取 IFSW1 資料！</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>無法讀取 IFSW2 資料！</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>無法讀取 IFSW3 資料！</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>無法讀取 IFSW4 資料！</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>無法讀取磁軌 1 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>無法讀取磁軌 1 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>無法讀取磁軌 2 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>無法讀取磁軌 2 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>無法讀取磁軌 3 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>無法讀取磁軌 3 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>無法讀取 RF 介面！</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>無法讀取 RF 介面！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>無法讀取藍牙連線模式！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>無法讀取藍牙連線模式！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>無法讀取藍牙裝置名稱！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>無法讀取藍牙裝置名稱！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>無法讀取藍牙 PIN 碼！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>無法讀取藍牙 PIN 碼！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>無法讀取藍牙加密資訊！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>無法讀取藍牙加密資訊！</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>無法讀取字碼頁！</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>無法讀取 MSR 模式！</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>無法讀取 MSW1 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>無法讀取 MSW1 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>無法讀取 MSW2 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>無法讀取 MSW2 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>無法讀取 MSW3 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>無法讀取 MSW3 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>無法讀取 MSW5 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>無法讀取 MSW5 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>無法讀取 MSW6 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>無法讀取 MSW6 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>無法讀取 MSW7 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>無法讀取 MSW7 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>無法讀取 MSW8 資料！</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>無法讀取 MSW8 資料！</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>無法讀取 IFSW1 資料！</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>無法讀取 IFSW2 資料！</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>無法讀取 IFSW3 資料！</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>無法讀取 IFSW4 資料！</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>無法設定初始化命令！</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>無法寫入設定結束命令！</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>無法寫入設定結束命令！</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>無法設定藍牙資訊！</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>無法設定藍牙資訊！</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>無法設定初始化命令！</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>無法設定 MSW1 資料！</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>無法設定 MSW2 資料！</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>無法設定 MSW3 資料！</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>無法設定 MSW5 資料！</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>無法設定 MSW6 資料！</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>無法設定 MSW7 資料！</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>無法設定 MSW8 資料！</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>無法設定 IFSW1 資料！</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>無法設定 SW51 資料！</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>無法設定 IFSW2 資料！</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>無法設定 IFSW3 資料！</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>無法設定 IFSW4 資料！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>無法設定磁軌 1 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>無法設定磁軌 1 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>無法設定磁軌 2 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>無法設定磁軌 2 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>無法設定磁軌 3 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>無法設定磁軌 3 的標記碼！</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>無法設定 RF 介面！</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>無法設定 RF 介面！</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>無法設定初始化命令！</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>無法設定序列埠資訊！</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>無法設定序列埠資訊！</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>虛擬記憶體開關管理</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>取得狀態</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>設定狀態</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>取得狀態...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>設定狀態...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>處理中...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>取得狀態</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>設定狀態</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>VMSM 設定成功！<byte value="xd"/>
請重新啟動印表機電源。</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>無法儲存 VMSM 設定！<byte value="xd"/>
請檢查印表機狀態。</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>VMSM 管理工具</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM 設定成功！</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>無法儲存虛擬記憶體開關！！<byte value="xd"/>
請檢查印表機狀態</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>整合管理工具</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>下載程序已停止...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 影像管理</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>進行中...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>開啟連接埠...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>檢查印表機...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>取得 NV 影像位址...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>刪除選取的 NV 影像...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>刪除全部 NV 影像...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>開始下載...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>列印全部 NV 影像...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>列印選取的 NV 影像...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>完成下載...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>無法讀取 NV 影像位址！</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> 不支援的操作！</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> 資料寫入失敗！<byte value="xd"/>
請檢查印表機。</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>未選取任何 BMP 檔案。</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>NV 影像區域太小！</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>取得 NV 影像位址</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>刪除選取的 NV 影像</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>刪除全部 NV 影像</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>下載影像....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>列印全部 NV 影像...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>列印選取的 NV 影像...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>開啟連接埠..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>檢查印表機...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>取得 NV 影像位址</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>刪除選取的 NV 影像</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>刪除全部 NV 影像</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>開始下載....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>列印全部 NV 影像</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>列印選取的 NV 影像</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>完成下載....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>無法讀取 NV 影像位址！</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> 資料寫入失敗！<byte value="xd"/>
請檢查印表機！</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>資料寫入失敗！<byte value="xd"/>
請檢查印表機！</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>未選取任何點陣圖檔案。</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>NV 影像區域太小！</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>沒有可用的位址碼！</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>已取消下載影像。</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>無法載入影像檔案！</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>位址碼需要兩個字元！</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>位址已存在！</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>韌體下載就緒。</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>正在下載韌體...請勿關閉印表機！！！</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>韌體下載完成，請重新啟動印表機！</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>錯誤：檔案開啟錯誤！</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>錯誤：開啟連接埠失敗！請檢查印表機</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>錯誤：傳送失敗！</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>韌體下載成功！</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>影像檔案沒有任何像素！</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>取得狀態：%1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>設定狀態：%1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>取得狀態：%1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>設定狀態：%1 %</translation>
    </message>
    <message>
        <source>Completed....: %1 %</source>
        <translation>已完成....: %1 %</translation>
    </message>
    <message>
        <source>Completed..: %1 %</source>
        <translation>已完成..: %1 %</translation>
    </message>
    <message>
        <source>%1 Downloading...</source>
        <translation>%1 下載中...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>影像太扁：縮放為 %1 點寬後沒有任何列！</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>影像對單一 NV 影像而言太大：點陣資料 %1 位元組，最多 %2（384 點寬時最多 1365 列）！</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>印表機已關閉連線。</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>印表機未接受查詢。</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>印表機回報了其他製造商。</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>印表機的回覆未指出型號。</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>%1 秒內沒有回覆。</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>%1 秒內沒有回覆；之前的回覆花了 %2 秒：印表機可能正忙於另一個用戶端。</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>之前的回覆花了 %1 秒：印表機可能正忙於另一個用戶端。</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>印表機回報的型號為「%1」。</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>印表機的回覆「%1」未指出型號。</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>無效的值！</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>十六進位格式無效！！</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>標記長度超過 10（長度範圍：1~10）</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>標記值無效（0x20~0x7F）</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>已取消儲存。未寫入任何內容至印表機。</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>儲存中途已取消：部分設定可能已寫入印表機。<byte value="xd"/>
變更前請重新讀取設定。</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 不存在：印表機未連接，或連接埠名稱有誤（`pelmora ports` 可列出連接埠）。</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 不是可連接印表機的連接埠（`pelmora ports` 可列出連接埠）。</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>存取 %1 遭拒（請向這台電腦的管理員申請該連接埠的存取權限）。</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>存取 %1 遭拒：請加入 %2 群組（sudo usermod -aG %2 $USER，然後重新登入）。</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 正被其他程式使用：請關閉該程式後再試一次。</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 正被其他程式 %2 使用：請關閉該程式後再試一次。</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 拒絕了連線：該連接埠上沒有任何服務在接聽（請檢查印表機的位址和連接埠）。</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>無法連到 %1：沒有通往它的路由（請檢查位址和這台電腦的網路連線）。</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 未在 %2 秒內回應連線（請檢查印表機是否已開機、位址是否正確）。</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>%1 中的主機名稱不明（請檢查拼寫，或輸入印表機的 IP 位址）。</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 不是印表機可以使用的位址。</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 已開啟，但沒有印表機保持 DSR 訊號：印表機已關機或未連接。</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 不接受線路設定。</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>無法開啟 %1：%2。</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>%2 秒內傳回了 %1 位元組，但不是印表機的回應：此連結上有其他裝置在回應（請檢查連接埠，序列線路還需檢查其速率）。</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>關於 Pelmora</translation>
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
        <translation>確定</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>授權條款：%1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>尋找印表機</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>找到的印表機：</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>TCP 連接埠：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>使用此印表機</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>請輸入要搜尋的位址。</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>請輸入 1 到 65535 之間的 TCP 連接埠。</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>在 %2 個位址中的第 %1 個後停止，找到 %3 台</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%2 個位址中已嘗試 %1 個，找到 %3 台</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>這台電腦沒有序列埠、藍牙或 USB 印表機連接埠。</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>這台電腦的連接埠：已詢問 %1/%2 個，找到 %3 台</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FoundPrinterModel</name>
    <message>
        <source>%1, firmware %2 (%3)</source>
        <translation>%1，韌體 %2 (%3)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>已略過：%1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>不是 MPT-Q700VII：%1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1（主視窗只接受 IPv4 位址）</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>正在詢問...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>介面</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>印表機</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>通訊設定</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP 連接埠</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>介面：</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>資料位元：</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>停止位元：</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>同位檢查：</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>流量控制：</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>虛擬記憶體開關管理</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 影像管理</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>韌體管理</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>關於 Pelmora(&amp;A)</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * 選擇功能表 
 本應用程式為 Pelmora。您可以變更通訊設定、字碼頁以及下載 NV 影像等。</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora PC 版 V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>未連接 USB 印表機！</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>損壞的行</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>%2 中有些已儲存的通訊設定無法讀取（%1）。
視窗以預設值顯示這些設定；只有「結束」會變更儲存的內容。</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>USB 印表機 %1 (%2) 已不再連接。
請再次選擇「USB」以列出目前的印表機。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>「%1」不是 IPv4 位址。
請輸入以點分隔的四個 0 到 255 的數字，例如 192.168.0.10。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>「%1」不是 TCP 連接埠。
請輸入 1 到 65535 的數字。</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>無法將通訊設定儲存到 %1。</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>尋找印表機...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>通訊設定</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>TCP/IP 通訊</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>虛擬記憶體開關管理員</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>NV 管理員</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
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
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP 連接埠</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>「%1」不是 IPv4 位址。
請輸入四個以點分隔、介於 0 到 255 的數字，例如 192.168.1.1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>「%1」不是 TCP 連接埠。
請輸入 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>印表機已接受設定，但無法儲存設定。
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>無法儲存通訊設定。
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>無法讀取已儲存的設定；畫面顯示的是預設值。
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>列印速度：</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>列印濃度：</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>預設字型</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>預設字碼頁</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>進階..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>MSR 觸發模式</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>服務：</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>收據</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>撕紙位置：
&lt;0~640 單位&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>紙捲用完時嗶聲</translation>
    </message>
    <message>
        <source>False</source>
        <translation>否</translation>
    </message>
    <message>
        <source>True</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Beep mode for low battery status</source>
        <translation>電池電量低時嗶聲</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>雙位元組字元模式</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>序列介面設定</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>同位檢查：</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>資料長度：</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>停止位元：</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>自動關機時間<byte value="xd"/>
&lt;0~90 分&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>自動省電<byte value="xd"/>
時間 &lt;10~255 秒&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>允許變更藍牙設定</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>驗證與加密</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>連線模式</translation>
    </message>
    <message>
        <source>Mode1</source>
        <translation>模式1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <translation>模式2</translation>
    </message>
    <message>
        <source>Mode3</source>
        <translation>模式3</translation>
    </message>
    <message>
        <source>PIN code &lt;Max 12 chars&gt;</source>
        <translation>PIN 碼 &lt;最多 12 字元&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>印表機名稱 &lt;最多 30 字元&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;步驟%1-%2&gt; VMSM  管理員</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設值</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>VMSM Manager</source>
        <translation>VMSM 管理員</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>要取消 VMSM 管理員嗎？</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>請輸入介於 %1 和 %2 之間的整數。</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>請輸入正整數。</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>最多輸入 %1 個字元，僅限 Latin-1。</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>印表機設定 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>印表機設定 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>印表機介面</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>設定頁</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設值</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::PrinterSettingsPage</name>
    <message>
        <source>Print density</source>
        <translation>列印濃度</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>單位（0~%1）</translation>
    </message>
    <message>
        <source>min (0~%1 ex&gt; 30)</source>
        <translation>分（0~%1，例：30）</translation>
    </message>
    <message>
        <source>sec (0, 10~%1 ex&gt; 100)</source>
        <translation>秒（0 或 10~%1，例：100）</translation>
    </message>
    <message>
        <source>MSR Configuration</source>
        <translation>MSR 設定</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>進階</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>序列介面設定</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>啟用藍牙設定</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>藍牙介面設定</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>進階 MSR 設定</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>MSR 標記設定</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>標記選項</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>磁軌1 起始</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>磁軌2 起始</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>磁軌3 起始</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>磁軌1 結束</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>磁軌2 結束</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>磁軌3 結束</translation>
    </message>
    <message>
        <source>ASCII (ex: &quot;START(1)&quot;)</source>
        <translation>ASCII（例：&quot;START(1)&quot;）</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>HEXA</source>
        <translation>十六進位</translation>
    </message>
    <message>
        <source>HEXA (ex: \&quot;0A 1F 10 4C\&quot;)</source>
        <translation>HEXA（例：\&quot;0A 1F 10 4C\&quot;）</translation>
    </message>
    <message>
        <source>ASCII (ex: \&quot;START(1)\&quot;)</source>
        <translation>ASCII（例：\&quot;START(1)\&quot;）</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::FirmwareWindow</name>
    <message>
        <source>Firmware Download Manager</source>
        <translation>韌體下載管理</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>下載進度</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>請選擇韌體檔案(*.fls)。 </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>開始下載</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>韌體檔案(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>無法以讀寫方式開啟 %1。</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 是唯讀檔案。</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 是資料夾。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 大於 %2 MiB。</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>無法讀取 %1。</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 影像管理</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>亮度 </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>列印效果</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>顯示印表機將為此影像儲存的點</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>變更色彩範圍</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>影像清單</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>新增影像</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>從清單中移除所選點陣圖</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>自動定址</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>NV 影像清單</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>全部列印</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>從印表機中刪除所選影像</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>影像檔案清單</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>自動定址</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>NV 管理公用程式</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 位元組</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;影像：%1/%2 - 記憶體：%3/%4（位元組）&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>影像檔案(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>所有影像檔案(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>未選取任何BMP 檔案。</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>是否移除所有選取項目？</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>請選取位址！</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>無法儲存圖像清單。
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 影像管理</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>NV 位址</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>位址代碼：</translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>位址代碼：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>無效的值！</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>進行中...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>處理中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchJob</name>
    <message>
        <source>The printer took the settings, but they could not be stored: %1</source>
        <translation>印表機已接受設定，但無法儲存：%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>請輸入介於 %1 和 %2 之間的整數。</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>請輸入正整數。</translation>
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
        <translation>NV 管理公用程式</translation>
    </message>
</context>
</TS>

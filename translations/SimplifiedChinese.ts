<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Accessibility</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
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
        <translation>打印浓度</translation>
    </message>
    <message>
        <source>Printing Speed</source>
        <translation>打印速度</translation>
    </message>
    <message>
        <source>Default Code Page</source>
        <translation>默认代码页</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>默认字体</translation>
    </message>
    <message>
        <source>Double Byte Font Mode</source>
        <translation>双字节字体模式</translation>
    </message>
    <message>
        <source>Printer Service</source>
        <translation>打印机用途</translation>
    </message>
    <message>
        <source>tear off position</source>
        <translation>撕纸位置</translation>
    </message>
    <message>
        <source>Beep For Roll Paper End</source>
        <translation>纸卷用尽提示音</translation>
    </message>
    <message>
        <source>Beep Mode For Low Battery End</source>
        <translation>电池电量不足提示音</translation>
    </message>
    <message>
        <source>Auto Power Off Time (Not Connected)</source>
        <translation>自动关机时间（未连接）</translation>
    </message>
    <message>
        <source>Auto Power Saving Time (Connected)</source>
        <translation>自动省电时间（已连接）</translation>
    </message>
    <message>
        <source>MSR Trigger</source>
        <translation>MSR 触发</translation>
    </message>
    <message>
        <source>Sentinal Option</source>
        <translation>标记选项</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>认证与加密</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>连接模式</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <translation>PIN 码</translation>
    </message>
    <message>
        <source>Printer Name</source>
        <translation>打印机名称</translation>
    </message>
    <message>
        <source>Track1 Start Code</source>
        <translation>磁道1 起始码</translation>
    </message>
    <message>
        <source>Track2 Start Code</source>
        <translation>磁道2 起始码</translation>
    </message>
    <message>
        <source>Track3 Start Code</source>
        <translation>磁道3 起始码</translation>
    </message>
    <message>
        <source>Track1 End Code</source>
        <translation>磁道1 结束码</translation>
    </message>
    <message>
        <source>Track2 End Code</source>
        <translation>磁道2 结束码</translation>
    </message>
    <message>
        <source>Track3 End Code</source>
        <translation>磁道3 结束码</translation>
    </message>
    <message>
        <source>Font A ( 12 x 24 )</source>
        <translation>字体 A ( 12 x 24 )</translation>
    </message>
    <message>
        <source>Font B ( 9 x 17 ) </source>
        <translation>字体 B ( 9 x 17 ) </translation>
    </message>
    <message>
        <source>Font C ( 9 x 24 )</source>
        <translation>字体 C ( 9 x 24 )</translation>
    </message>
    <message>
        <source>A font(12x24)</source>
        <translation>A 字体(12x24)</translation>
    </message>
    <message>
        <source>B font(9x24)</source>
        <translation>B 字体(9x24)</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>收据</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode command</source>
        <translation>磁道 1/2/3 命令读取模式</translation>
    </message>
    <message>
        <source>Track 1 read mode AUTO trigger</source>
        <translation>磁道 1 自动触发读取</translation>
    </message>
    <message>
        <source>Track 2 read mode AUTO trigger</source>
        <translation>磁道 2 自动触发读取</translation>
    </message>
    <message>
        <source>Track 3 read mode AUTO trigger</source>
        <translation>磁道 3 自动触发读取</translation>
    </message>
    <message>
        <source>Track 1/2 read mode AUTO trigger</source>
        <translation>磁道 1/2 自动触发读取</translation>
    </message>
    <message>
        <source>Track 2/3 read mode AUTO trigger</source>
        <translation>磁道 2/3 自动触发读取</translation>
    </message>
    <message>
        <source>Track 1/2/3 read mode AUTO trigger</source>
        <translation>磁道 1/2/3 自动触发读取</translation>
    </message>
    <message>
        <source>Not used MSR trigger</source>
        <translation>不使用 MSR 触发</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Static Sentinal</source>
        <translation>固定标记</translation>
    </message>
    <message>
        <source>Dynamic Sentinal</source>
        <translation>自定义标记</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
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
        <translation>无</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Port open error!</source>
        <translation>端口打开错误！</translation>
    </message>
    <message>
        <source>Port Open Error!!!</source>
        <translation>端口打开错误！！！</translation>
    </message>
    <message>
        <source>Printer model is not matched!</source>
        <translation>打印机型号不匹配！</translation>
    </message>
    <message>
        <source>Printer Model name not matched...!!</source>
        <translation>打印机型号名称不匹配...！！</translation>
    </message>
    <message>
        <source>Failed to get printer version!</source>
        <translation>无法读取打印机版本！</translation>
    </message>
    <message>
        <source>Failed to get Printer version..!!</source>
        <translation>无法读取打印机版本！</translation>
    </message>
    <message>
        <source>Failed to set factory default!</source>
        <translation>无法设置出厂默认值！</translation>
    </message>
    <message>
        <source>Failed to get Codepage..!!</source>
        <translation>无法读取代码页！</translation>
    </message>
    <message>
        <source>Failed to get MSR Mode..!!</source>
        <translation>无法读取 MSR 模式！</translation>
    </message>
    <message>
        <source>Failed to read SW1 data!</source>
        <translation>无法读取 SW1 数据！</translation>
    </message>
    <message>
        <source>Failed to read SW2 data!</source>
        <translation>无法读取 SW2 数据！</translation>
    </message>
    <message>
        <source>Failed to read SW3 data!</source>
        <translation>无法读取 SW3 数据！</translation>
    </message>
    <message>
        <source>Failed to read SW5 data!</source>
        <translation>无法读取 SW5 数据！</translation>
    </message>
    <message>
        <source>Failed to read SW6 data!</source>
        <translation>无法读取 SW6 数据！</translation>
    </message>
    <message>
        <source>Failed to read SW7 data!</source>
        <translation>无法读取 SW7 数据！</translation>
    </message>
    <message>
        <source>Failed to read SW8 data!</source>
        <translation>无法读取 SW8 数据！</translation>
    </message>
    <message>
        <source>Failed to get tear off position!</source>
        <translation>无法读取撕纸位置！</translation>
    </message>
    <message>
        <source>Failed to read SW51 data!</source>
        <translation>无法读取 SW51 数据！</translation>
    </message>
    <message>
        <source>Failed to read IFSW1 data!</source>
        <translation>无法读取 IFSW1 数据！</translation>
    </message>
    <message>
        <source>Failed to read IFSW2 data!</source>
        <translation>无法读取 IFSW2 数据！</translation>
    </message>
    <message>
        <source>Failed to read IFSW3 data!</source>
        <translation>无法读取 IFSW3 数据！</translation>
    </message>
    <message>
        <source>Failed to read IFSW4 data!</source>
        <translation>无法读取 IFSW4 数据！</translation>
    </message>
    <message>
        <source>Failed to read track1 sentinal code!</source>
        <translation>无法读取磁道 1 的标记码！</translation>
    </message>
    <message>
        <source>Failed to read track1 Sentinel code!!</source>
        <translation>无法读取磁道 1 的标记码！</translation>
    </message>
    <message>
        <source>Failed to read track2 sentinal code!</source>
        <translation>无法读取磁道 2 的标记码！</translation>
    </message>
    <message>
        <source>Failed to read track2 Sentinel code!!</source>
        <translation>无法读取磁道 2 的标记码！</translation>
    </message>
    <message>
        <source>Failed to read track3 sentinal code!</source>
        <translation>无法读取磁道 3 的标记码！</translation>
    </message>
    <message>
        <source>Failed to read track3 Sentinel code!!</source>
        <translation>无法读取磁道 3 的标记码！</translation>
    </message>
    <message>
        <source>Failed to read RF Interface!</source>
        <translation>无法读取 RF 接口！</translation>
    </message>
    <message>
        <source>Failed to read RFInterface info!!</source>
        <translation>无法读取 RF 接口！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!</source>
        <translation>无法读取蓝牙连接模式！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth connection mode!!</source>
        <translation>无法读取蓝牙连接模式！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!</source>
        <translation>无法读取蓝牙设备名称！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth device name!!</source>
        <translation>无法读取蓝牙设备名称！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth PIN code!</source>
        <translation>无法读取蓝牙 PIN 码！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth pin code!!</source>
        <translation>无法读取蓝牙 PIN 码！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption infomation!</source>
        <translation>无法读取蓝牙加密信息！</translation>
    </message>
    <message>
        <source>Failed to read Bluetooth encryption info..!!</source>
        <translation>无法读取蓝牙加密信息！</translation>
    </message>
    <message>
        <source>Failed to get code page!</source>
        <translation>无法读取代码页！</translation>
    </message>
    <message>
        <source>Failed to get MSR mode!</source>
        <translation>无法读取 MSR 模式！</translation>
    </message>
    <message>
        <source>Failed to read MSW1 data!</source>
        <translation>无法读取 MSW1 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW1..!!</source>
        <translation>无法读取 MSW1 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW2 data!</source>
        <translation>无法读取 MSW2 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW2..!!</source>
        <translation>无法读取 MSW2 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW3 data!</source>
        <translation>无法读取 MSW3 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW3..!!</source>
        <translation>无法读取 MSW3 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW5 data!</source>
        <translation>无法读取 MSW5 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW5..!!</source>
        <translation>无法读取 MSW5 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW6 data!</source>
        <translation>无法读取 MSW6 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW6..!!</source>
        <translation>无法读取 MSW6 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW7 data!</source>
        <translation>无法读取 MSW7 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW7..!!</source>
        <translation>无法读取 MSW7 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW8 data!</source>
        <translation>无法读取 MSW8 数据！</translation>
    </message>
    <message>
        <source>Failed to read MSW8..!!</source>
        <translation>无法读取 MSW8 数据！</translation>
    </message>
    <message>
        <source>Failed to read IFSW1..!!</source>
        <translation>无法读取 IFSW1 数据！</translation>
    </message>
    <message>
        <source>Failed to read IFSW2..!!</source>
        <translation>无法读取 IFSW2 数据！</translation>
    </message>
    <message>
        <source>Failed to read IFSW3..!!</source>
        <translation>无法读取 IFSW3 数据！</translation>
    </message>
    <message>
        <source>Failed to read IFSW4..!!</source>
        <translation>无法读取 IFSW4 数据！</translation>
    </message>
    <message>
        <source>Failed to set initial command!</source>
        <translation>无法设置初始化命令！</translation>
    </message>
    <message>
        <source>Failed to write setting end command!</source>
        <translation>无法写入设置结束命令！</translation>
    </message>
    <message>
        <source>Failed to write setting end cmd!!!</source>
        <translation>无法写入设置结束命令！</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth infomation!</source>
        <translation>无法设置蓝牙信息！</translation>
    </message>
    <message>
        <source>Failed to set Bluetooth info!!!</source>
        <translation>无法设置蓝牙信息！</translation>
    </message>
    <message>
        <source>Failed to set Init command..!!</source>
        <translation>无法设置初始化命令！</translation>
    </message>
    <message>
        <source>Failed to set MSW1..!!</source>
        <translation>无法设置 MSW1 数据！</translation>
    </message>
    <message>
        <source>Failed to set MSW2..!!</source>
        <translation>无法设置 MSW2 数据！</translation>
    </message>
    <message>
        <source>Failed to set MSW3..!!</source>
        <translation>无法设置 MSW3 数据！</translation>
    </message>
    <message>
        <source>Failed to set MSW5..!!</source>
        <translation>无法设置 MSW5 数据！</translation>
    </message>
    <message>
        <source>Failed to set MSW6..!!</source>
        <translation>无法设置 MSW6 数据！</translation>
    </message>
    <message>
        <source>Failed to set MSW7..!!</source>
        <translation>无法设置 MSW7 数据！</translation>
    </message>
    <message>
        <source>Failed to set MSW8..!!</source>
        <translation>无法设置 MSW8 数据！</translation>
    </message>
    <message>
        <source>Failed to set IFSW1 data!!!</source>
        <translation>无法设置 IFSW1 数据！</translation>
    </message>
    <message>
        <source>Failed to set SW51 data!!!</source>
        <translation>无法设置 SW51 数据！</translation>
    </message>
    <message>
        <source>Failed to set IFSW2 data!!!</source>
        <translation>无法设置 IFSW2 数据！</translation>
    </message>
    <message>
        <source>Failed to set IFSW3 data!!!</source>
        <translation>无法设置 IFSW3 数据！</translation>
    </message>
    <message>
        <source>Failed to set IFSW4 data!!!</source>
        <translation>无法设置 IFSW4 数据！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track1!</source>
        <translation>无法设置磁道 1 的标记码！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track1!!!</source>
        <translation>无法设置磁道 1 的标记码！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track2!</source>
        <translation>无法设置磁道 2 的标记码！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track2!!!</source>
        <translation>无法设置磁道 2 的标记码！</translation>
    </message>
    <message>
        <source>Failed to set sentinal character of track3!</source>
        <translation>无法设置磁道 3 的标记码！</translation>
    </message>
    <message>
        <source>Failed to set Sentinal char of Track3!!!</source>
        <translation>无法设置磁道 3 的标记码！</translation>
    </message>
    <message>
        <source>Failed to set RF Interface!</source>
        <translation>无法设置 RF 接口！</translation>
    </message>
    <message>
        <source>Failed to set RFInterface info!!!</source>
        <translation>无法设置 RF 接口！</translation>
    </message>
    <message>
        <source>Failed to set Init Cmd..!!</source>
        <translation>无法设置初始化命令！</translation>
    </message>
    <message>
        <source>Failed to set serial infomation!</source>
        <translation>无法设置串口信息！</translation>
    </message>
    <message>
        <source>Failed to set serial info..!!</source>
        <translation>无法设置串口信息！</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>虚拟存储开关管理</translation>
    </message>
    <message>
        <source>0 %</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Get status</source>
        <translation>获取状态</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>设置状态</translation>
    </message>
    <message>
        <source>Get Status...</source>
        <translation>获取状态...</translation>
    </message>
    <message>
        <source>Set Status...</source>
        <translation>设置状态...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>处理中...</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>获取状态</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>设置状态</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Success to set VMSM configuration! <byte value="xd"/>
Please reset printer power.</source>
        <translation>VMSM 配置设置成功！<byte value="xd"/>
请重新启动打印机电源。</translation>
    </message>
    <message>
        <source>Failed to save VMSM configuration!<byte value="xd"/>
Please check your printer state.</source>
        <translation>无法保存 VMSM 配置！<byte value="xd"/>
请检查打印机状态。</translation>
    </message>
    <message>
        <source>VMSM Manager Utility</source>
        <translation>VMSM 管理工具</translation>
    </message>
    <message>
        <source>Success to Set VMSM!</source>
        <translation>VMSM 设置成功！</translation>
    </message>
    <message>
        <source>Failed to save Virtual memory switch!!<byte value="xd"/>
Please Check your printer state</source>
        <translation>无法保存虚拟存储开关！！<byte value="xd"/>
请检查打印机状态</translation>
    </message>
    <message>
        <source>Total Manager Utility</source>
        <translation>综合管理工具</translation>
    </message>
    <message>
        <source>Download process is stoped...</source>
        <translation>下载过程已停止...</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 图像管理</translation>
    </message>
    <message>
        <source>Progressing...</source>
        <translation>进行中...</translation>
    </message>
    <message>
        <source>Open port...</source>
        <translation>打开端口...</translation>
    </message>
    <message>
        <source>Check printer...</source>
        <translation>检查打印机...</translation>
    </message>
    <message>
        <source>Get NV image address...</source>
        <translation>获取 NV 图像地址...</translation>
    </message>
    <message>
        <source>Delete selected NV image...</source>
        <translation>删除所选 NV 图像...</translation>
    </message>
    <message>
        <source>Delete all NV image...</source>
        <translation>删除全部 NV 图像...</translation>
    </message>
    <message>
        <source>Start download...</source>
        <translation>开始下载...</translation>
    </message>
    <message>
        <source>Print all NV image...</source>
        <translation>打印全部 NV 图像...</translation>
    </message>
    <message>
        <source>Print selected NV image...</source>
        <translation>打印所选 NV 图像...</translation>
    </message>
    <message>
        <source>Finish download...</source>
        <translation>完成下载...</translation>
    </message>
    <message>
        <source>Failed to read NV image address!</source>
        <translation>无法读取 NV 图像地址！</translation>
    </message>
    <message>
        <source> Not supported operation!</source>
        <translation> 不支持的操作！</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please check your printer.</source>
        <translation> 数据写入失败！<byte value="xd"/>
请检查打印机。</translation>
    </message>
    <message>
        <source>Without a BMP file being selected.</source>
        <translation>未选择任何 BMP 文件。</translation>
    </message>
    <message>
        <source>NV image area too small!</source>
        <translation>NV 图像区域太小！</translation>
    </message>
    <message>
        <source>Get Nv Address list</source>
        <translation>获取 NV 图像地址</translation>
    </message>
    <message>
        <source>Delete seleted Nv address</source>
        <translation>删除所选 NV 图像</translation>
    </message>
    <message>
        <source>Delete All Nv address area</source>
        <translation>删除全部 NV 图像</translation>
    </message>
    <message>
        <source>Download Image....</source>
        <translation>下载图像....</translation>
    </message>
    <message>
        <source>Print NV All Image...</source>
        <translation>打印全部 NV 图像...</translation>
    </message>
    <message>
        <source>Print selected NV Image...</source>
        <translation>打印所选 NV 图像...</translation>
    </message>
    <message>
        <source>Open Port..</source>
        <translation>打开端口..</translation>
    </message>
    <message>
        <source>Check Printer...</source>
        <translation>检查打印机...</translation>
    </message>
    <message>
        <source>Get NV Address</source>
        <translation>获取 NV 图像地址</translation>
    </message>
    <message>
        <source>Delete Selected NV Image</source>
        <translation>删除所选 NV 图像</translation>
    </message>
    <message>
        <source>Delete all NV Image</source>
        <translation>删除全部 NV 图像</translation>
    </message>
    <message>
        <source>Download Start....</source>
        <translation>开始下载....</translation>
    </message>
    <message>
        <source>Print All NV image</source>
        <translation>打印全部 NV 图像</translation>
    </message>
    <message>
        <source>Print selected NV Image</source>
        <translation>打印所选 NV 图像</translation>
    </message>
    <message>
        <source>Finish Downloading....</source>
        <translation>完成下载....</translation>
    </message>
    <message>
        <source>Failed to read NV Image address!</source>
        <translation>无法读取 NV 图像地址！</translation>
    </message>
    <message>
        <source> Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation> 数据写入失败！<byte value="xd"/>
请检查打印机！</translation>
    </message>
    <message>
        <source>Failed to write data!<byte value="xd"/>
Please Check your printer!</source>
        <translation>数据写入失败！<byte value="xd"/>
请检查打印机！</translation>
    </message>
    <message>
        <source>Without a bitmap file being selected.</source>
        <translation>未选择任何位图文件。</translation>
    </message>
    <message>
        <source>NV-bitimage area too small!</source>
        <translation>NV 图像区域太小！</translation>
    </message>
    <message>
        <source>No free address code left!</source>
        <translation>没有可用的地址码！</translation>
    </message>
    <message>
        <source>Cancel to download image.</source>
        <translation>已取消下载图像。</translation>
    </message>
    <message>
        <source>Failed to load image file!</source>
        <translation>无法加载图像文件！</translation>
    </message>
    <message>
        <source>Address code needs two characters!</source>
        <translation>地址码需要两个字符！</translation>
    </message>
    <message>
        <source>Exists address!</source>
        <translation>地址已存在！</translation>
    </message>
    <message>
        <source>Ready firmware download.</source>
        <translation>固件下载就绪。</translation>
    </message>
    <message>
        <source>Firmware is downloading...Don&apos;t turn off the printer!!!</source>
        <translation>正在下载固件...请勿关闭打印机！！！</translation>
    </message>
    <message>
        <source>Finished to download firmware and Reset the printer!</source>
        <translation>固件下载完成，请重新启动打印机！</translation>
    </message>
    <message>
        <source>Error : File Open Error!</source>
        <translation>错误：文件打开错误！</translation>
    </message>
    <message>
        <source>Error : OpenPort! Please check printer</source>
        <translation>错误：打开端口失败！请检查打印机</translation>
    </message>
    <message>
        <source>Error : Send Failed!</source>
        <translation>错误：发送失败！</translation>
    </message>
    <message>
        <source>Success to download firmware!</source>
        <translation>固件下载成功！</translation>
    </message>
    <message>
        <source>Image file has no pixels!</source>
        <translation>图像文件没有任何像素！</translation>
    </message>
    <message>
        <source>Get status : %1 %</source>
        <translation>获取状态：%1 %</translation>
    </message>
    <message>
        <source>Set status : %1 %</source>
        <translation>设置状态：%1 %</translation>
    </message>
    <message>
        <source>Get Status : %1 %</source>
        <translation>获取状态：%1 %</translation>
    </message>
    <message>
        <source>Set Status : %1 %</source>
        <translation>设置状态：%1 %</translation>
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
        <translation>%1 下载中...</translation>
    </message>
    <message>
        <source>Image is too flat: no row is left at %1 dots wide!</source>
        <translation>图像太扁：缩放为 %1 点宽后没有任何行！</translation>
    </message>
    <message>
        <source>Image is too large for one NV image: %1 bytes of raster, at most %2 (at most 1365 rows at 384 dots)!</source>
        <translation>图像对单个 NV 图像而言太大：点阵数据 %1 字节，最多 %2（384 点宽时最多 1365 行）！</translation>
    </message>
    <message>
        <source>The printer closed the connection.</source>
        <translation>打印机已关闭连接。</translation>
    </message>
    <message>
        <source>The printer did not take the query.</source>
        <translation>打印机未接受查询。</translation>
    </message>
    <message>
        <source>The printer reports another maker.</source>
        <translation>打印机报告了其他制造商。</translation>
    </message>
    <message>
        <source>The printer&apos;s reply names no model.</source>
        <translation>打印机的回复未指出型号。</translation>
    </message>
    <message>
        <source>No reply came within %1 s.</source>
        <translation>%1 秒内没有回复。</translation>
    </message>
    <message>
        <source>No reply came within %1 s; earlier answers took %2 s: the printer may be busy with another client.</source>
        <translation>%1 秒内没有回复；之前的回复用了 %2 秒：打印机可能正忙于另一个客户端。</translation>
    </message>
    <message>
        <source>Earlier answers took %1 s: the printer may be busy with another client.</source>
        <translation>之前的回复用了 %1 秒：打印机可能正忙于另一个客户端。</translation>
    </message>
    <message>
        <source>The printer reports the model &quot;%1&quot;.</source>
        <translation>打印机报告的型号为“%1”。</translation>
    </message>
    <message>
        <source>The printer&apos;s reply &quot;%1&quot; names no model.</source>
        <translation>打印机的回复“%1”未指出型号。</translation>
    </message>
    <message>
        <source>Invalid value!</source>
        <translation>无效值！</translation>
    </message>
    <message>
        <source>Invalid HEXA Format!!</source>
        <translation>十六进制格式无效！！</translation>
    </message>
    <message>
        <source>Sentinel length is over 10 ( length range : 1~10 )</source>
        <translation>标记长度超过 10（长度范围：1~10）</translation>
    </message>
    <message>
        <source>Sentinel is invalid value (0x20~0x7F)</source>
        <translation>标记值无效（0x20~0x7F）</translation>
    </message>
    <message>
        <source>Saving was cancelled. Nothing was written to the printer.</source>
        <translation>已取消保存。未向打印机写入任何内容。</translation>
    </message>
    <message>
        <source>Saving was cancelled after it had begun: some settings may already be on the printer.<byte value="xd"/>
Read the settings again before you change them.</source>
        <translation>保存中途已取消：部分设置可能已写入打印机。<byte value="xd"/>
更改前请重新读取设置。</translation>
    </message>
    <message>
        <source>%1 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports).</source>
        <translation>%1 不存在：打印机未连接，或端口名称有误（`pelmora ports` 可列出端口）。</translation>
    </message>
    <message>
        <source>%1 is not a port a printer can be reached on (`pelmora ports` lists the ports).</source>
        <translation>%1 不是可连接打印机的端口（`pelmora ports` 可列出端口）。</translation>
    </message>
    <message>
        <source>Permission denied on %1 (ask this computer&apos;s administrator for access to the port).</source>
        <translation>访问 %1 被拒绝（请向这台计算机的管理员申请该端口的访问权限）。</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group %2 (sudo usermod -aG %2 $USER, then log in again).</source>
        <translation>访问 %1 被拒绝：请加入 %2 组（sudo usermod -aG %2 $USER，然后重新登录）。</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close it, then try again.</source>
        <translation>%1 正被其他程序占用：请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>%1 is in use by another program, %2: close it, then try again.</source>
        <translation>%1 正被其他程序 %2 占用：请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>%1 refused the connection: nothing listens on that port (check the printer&apos;s address and port).</source>
        <translation>%1 拒绝了连接：该端口上没有任何服务在监听（请检查打印机的地址和端口）。</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no route to it (check the address and this computer&apos;s network connection).</source>
        <translation>无法访问 %1：没有通往它的路由（请检查地址和这台计算机的网络连接）。</translation>
    </message>
    <message>
        <source>%1 did not answer the connection within %2 s (check that the printer is on and that the address is right).</source>
        <translation>%1 未在 %2 秒内响应连接（请检查打印机是否已开机、地址是否正确）。</translation>
    </message>
    <message>
        <source>The host name in %1 is not known (check its spelling, or give the printer&apos;s IP address).</source>
        <translation>%1 中的主机名未知（请检查拼写，或输入打印机的 IP 地址）。</translation>
    </message>
    <message>
        <source>%1 is no address a printer can have.</source>
        <translation>%1 不是打印机可以使用的地址。</translation>
    </message>
    <message>
        <source>%1 opened, but no printer holds DSR up: it is switched off or not connected.</source>
        <translation>%1 已打开，但没有打印机保持 DSR 信号：打印机已关机或未连接。</translation>
    </message>
    <message>
        <source>%1 did not take the line settings.</source>
        <translation>%1 不接受线路设置。</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>%1 bytes came back within %2 s, but no reply of the printer: something else answers on this link (check the port, and on a serial line its speed).</source>
        <translation>%2 秒内返回了 %1 字节，但不是打印机的应答：此链路上有其他设备在应答（请检查端口，串行线路还需检查其速率）。</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::AboutBox</name>
    <message>
        <source>About Pelmora</source>
        <translation>关于 Pelmora</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>许可证：%1</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>查找打印机</translation>
    </message>
    <message>
        <source>Printers found:</source>
        <translation>找到的打印机：</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>TCP port:</source>
        <translation>TCP 端口：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Use This Printer</source>
        <translation>使用此打印机</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Type the addresses to search.</source>
        <translation>请输入要搜索的地址。</translation>
    </message>
    <message>
        <source>Type a TCP port from 1 to 65535.</source>
        <translation>请输入 1 到 65535 之间的 TCP 端口。</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses, %3 found</source>
        <translation>在 %2 个地址中的第 %1 个后停止，找到 %3 台</translation>
    </message>
    <message>
        <source>%1 of %2 addresses, %3 found</source>
        <translation>%2 个地址中已尝试 %1 个，找到 %3 台</translation>
    </message>
    <message>
        <source>This computer has no serial, Bluetooth or USB printer port.</source>
        <translation>此计算机没有串口、蓝牙或 USB 打印机端口。</translation>
    </message>
    <message>
        <source>This computer&apos;s ports: %1 of %2 asked, %3 found</source>
        <translation>此计算机的端口：已询问 %1/%2 个，找到 %3 台</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::FoundPrinterModel</name>
    <message>
        <source>%1, firmware %2 (%3)</source>
        <translation>%1，固件 %2 (%3)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <source>Not ours: %1</source>
        <translation>不是 MPT-Q700VII：%1</translation>
    </message>
    <message>
        <source>%1; the main window takes IPv4 addresses only</source>
        <translation>%1（主窗口只接受 IPv4 地址）</translation>
    </message>
    <message>
        <source>Asking...</source>
        <translation>正在询问...</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>接口</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
</context>
<context>
    <name>pelmora::desktop::MainWindow</name>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Communication Setting</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP 端口</translation>
    </message>
    <message>
        <source>IP : </source>
        <translation>IP : </translation>
    </message>
    <message>
        <source>Interface :</source>
        <translation>接口：</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Baud Rate :</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Data Bits :</source>
        <translation>数据位：</translation>
    </message>
    <message>
        <source>Stop Bits :</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>校验：</translation>
    </message>
    <message>
        <source>Flow Control :</source>
        <translation>流控制：</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>虚拟存储开关管理</translation>
    </message>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 图像管理</translation>
    </message>
    <message>
        <source>Firmware Manager</source>
        <translation>固件管理</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;About Pelmora</source>
        <translation>关于 Pelmora(&amp;A)</translation>
    </message>
    <message>
        <source> * Select Menu 
 This application is Pelmora. You can change communication setting, code page and download NV image, etc.</source>
        <translation> * 选择菜单 
 本应用程序为 Pelmora。您可以更改通信设置、代码页以及下载 NV 图像等。</translation>
    </message>
    <message>
        <source>MPT-Q700VII Pelmora for PC V1.0.4</source>
        <translation>MPT-Q700VII Pelmora PC 版 V1.0.4</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>Not connected USB printer!</source>
        <translation>未连接 USB 打印机！</translation>
    </message>
    <message>
        <source>damaged lines</source>
        <translation>损坏的行</translation>
    </message>
    <message>
        <source>Some stored communication settings could not be read (%1) in %2.
The window shows the defaults for them; the store is changed only by &quot;Exit&quot;.</source>
        <translation>%2 中有些已保存的通信设置无法读取（%1）。
窗口以默认值显示这些设置；只有“退出”会更改保存的内容。</translation>
    </message>
    <message>
        <source>The USB printer %1 (%2) is no longer connected.
Choose &quot;USB&quot; again to list the printers present.</source>
        <translation>USB 打印机 %1 (%2) 已断开连接。
请再次选择“USB”以列出当前的打印机。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.0.10.</source>
        <translation>“%1”不是 IPv4 地址。
请输入以点分隔的四个 0 到 255 的数字，例如 192.168.0.10。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>“%1”不是 TCP 端口。
请输入 1 到 65535 的数字。</translation>
    </message>
    <message>
        <source>The communication settings could not be stored in %1.</source>
        <translation>无法将通信设置保存到 %1。</translation>
    </message>
    <message>
        <source>Find Printers...</source>
        <translation>查找打印机...</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::ConnectionScreen</name>
    <message>
        <source>Communication Setting</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>TCP/IP Comunication</source>
        <translation>TCP/IP 通信</translation>
    </message>
    <message>
        <source>Virtual Memory Switch Manager</source>
        <translation>虚拟存储开关管理器</translation>
    </message>
    <message>
        <source>NV Manager</source>
        <translation>NV 管理器</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
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
        <translation>端口：</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>TCP Port</source>
        <translation>TCP 端口</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address.
Type four numbers from 0 to 255 separated by dots, such as 192.168.1.1.</source>
        <translation>“%1”不是 IPv4 地址。
请输入四个以点分隔、介于 0 到 255 的数字，例如 192.168.1.1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a TCP port.
Type a number from 1 to 65535.</source>
        <translation>“%1”不是 TCP 端口。
请输入 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>The printer took the settings, but they could not be stored.
%1</source>
        <translation>打印机已接受设置，但无法保存设置。
%1</translation>
    </message>
    <message>
        <source>The communication settings could not be stored.
%1</source>
        <translation>无法保存通信设置。
%1</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>The stored settings could not be read; the screen shows the defaults.
%1</source>
        <translation>无法读取已保存的设置；屏幕显示的是默认值。
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardPrintStep</name>
    <message>
        <source>Printing Speed :</source>
        <translation>打印速度：</translation>
    </message>
    <message>
        <source>Printing density :</source>
        <translation>打印浓度：</translation>
    </message>
    <message>
        <source>Default Font Type</source>
        <translation>默认字体</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardMsrStep</name>
    <message>
        <source>Default Code Page</source>
        <translation>默认代码页</translation>
    </message>
    <message>
        <source>Advance..</source>
        <translation>高级..</translation>
    </message>
    <message>
        <source>MSR Trigger mode</source>
        <translation>MSR 触发模式</translation>
    </message>
    <message>
        <source>Service :</source>
        <translation>服务：</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>收据</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>tear off position :
&lt;0~640 units&gt;</source>
        <translation>撕纸位置：
&lt;0~640 单位&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBeepStep</name>
    <message>
        <source>Beeps for roll paper end</source>
        <translation>纸卷用完时蜂鸣</translation>
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
        <translation>电池电量低时蜂鸣</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Double byte character mode</source>
        <translation>双字节字符模式</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardInterfaceStep</name>
    <message>
        <source>Serial Interface configuration</source>
        <translation>串行接口设置</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Parity :</source>
        <translation>校验：</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>数据长度：</translation>
    </message>
    <message>
        <source>Stop bits :</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Auto Power Off Time<byte value="xd"/>
&lt;0~90 min&gt;</source>
        <translation>自动关机时间<byte value="xd"/>
&lt;0~90 分钟&gt;</translation>
    </message>
    <message>
        <source>Auto Power Saving<byte value="xd"/>
Time &lt;10~255 sec&gt;</source>
        <translation>自动省电<byte value="xd"/>
时间 &lt;10~255 秒&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardBluetoothStep</name>
    <message>
        <source>Enable to change BT Setting</source>
        <translation>允许更改蓝牙设置</translation>
    </message>
    <message>
        <source>Authentication &amp; Encryption</source>
        <translation>认证与加密</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>连接模式</translation>
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
        <translation>PIN 码 &lt;最多 12 个字符&gt;</translation>
    </message>
    <message>
        <source>Printer Name &lt;Max 30 chars&gt;</source>
        <translation>打印机名称 &lt;最多 30 个字符&gt;</translation>
    </message>
</context>
<context>
    <name>pelmora::handheld::WizardStepWindow</name>
    <message>
        <source>&lt;Step%1-%2&gt; VMSM  Manager</source>
        <translation>&lt;步骤%1-%2&gt; VMSM  管理器</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>VMSM 管理器</translation>
    </message>
    <message>
        <source>VMSM Manager Cancel?</source>
        <translation>要取消 VMSM 管理器吗？</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>请输入介于 %1 和 %2 之间的整数。</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>请输入正整数。</translation>
    </message>
    <message>
        <source>Enter at most %1 characters, Latin-1 only.</source>
        <translation>最多输入 %1 个字符，仅限 Latin-1。</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MemorySwitchManager</name>
    <message>
        <source>Printer Setting 1</source>
        <translation>打印机设置 1</translation>
    </message>
    <message>
        <source>Printer Setting 2</source>
        <translation>打印机设置 2</translation>
    </message>
    <message>
        <source>Printer interface</source>
        <translation>打印机接口</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>设置页</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>打印浓度</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::MorePrinterSettingsPage</name>
    <message>
        <source>units (0~%1)</source>
        <translation>单位（0~%1）</translation>
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
        <translation>MSR 设置</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>高级</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::InterfaceSettingsPage</name>
    <message>
        <source>Serial Interface Configuration</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Enable Bluetooth Setting</source>
        <translation>启用蓝牙设置</translation>
    </message>
    <message>
        <source>Bluetooth Interface Configuration</source>
        <translation>蓝牙接口设置</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::SentinelWindow</name>
    <message>
        <source>Advanced MSR Settings</source>
        <translation>高级 MSR 设置</translation>
    </message>
    <message>
        <source>MSR Sentinel Settings</source>
        <translation>MSR 标记设置</translation>
    </message>
    <message>
        <source>Sentinel Option</source>
        <translation>标记选项</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Dynamic</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Track1 Start</source>
        <translation>磁道1 起始</translation>
    </message>
    <message>
        <source>Track2 Start</source>
        <translation>磁道2 起始</translation>
    </message>
    <message>
        <source>Track3 Start</source>
        <translation>磁道3 起始</translation>
    </message>
    <message>
        <source>Track1 End</source>
        <translation>磁道1 结束</translation>
    </message>
    <message>
        <source>Track2 End</source>
        <translation>磁道2 结束</translation>
    </message>
    <message>
        <source>Track3 End</source>
        <translation>磁道3 结束</translation>
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
        <translation>十六进制</translation>
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
        <translation>固件下载管理</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
    <message>
        <source>Status : </source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Select Firmware File(*.fls). </source>
        <translation>请选择固件文件(*.fls)。 </translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>开始下载</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Firmware File(*.fls)</source>
        <translation>固件文件(*.fls)</translation>
    </message>
    <message>
        <source>%1 cannot be opened for reading and writing.</source>
        <translation>无法以读写方式打开 %1。</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 是只读文件。</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 是文件夹。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 大于 %2 MiB。</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvImageManager</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 图像管理</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Brightness </source>
        <translation>亮度 </translation>
    </message>
    <message>
        <source>As printed</source>
        <translation>打印效果</translation>
    </message>
    <message>
        <source>Shows the dots the printer will store for this image</source>
        <translation>显示打印机将为此图像存储的点</translation>
    </message>
    <message>
        <source>Change Color Range</source>
        <translation>更改颜色范围</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>图像列表</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>添加图像</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Takes the selected bitmaps off the list</source>
        <translation>从列表中移除所选位图</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Auto Addressing</source>
        <translation>自动编址</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>NV Image List</source>
        <translation>NV 图像列表</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Print All</source>
        <translation>全部打印</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Deletes the selected image from the printer</source>
        <translation>从打印机中删除所选图像</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Image File List</source>
        <translation>图像文件列表</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Auto addressing</source>
        <translation>自动编址</translation>
    </message>
    <message>
        <source>NV Manager Utility</source>
        <translation>NV 管理工具</translation>
    </message>
    <message>
        <source>Pelmora</source>
        <translation>Pelmora</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>&lt;Images: %1/%2 - Memory: %3/%4 (Byte)&gt;</source>
        <translation>&lt;图像：%1/%2 - 内存：%3/%4（字节）&gt;</translation>
    </message>
    <message>
        <source>Image Files(*.bmp)</source>
        <translation>图像文件(*.bmp)</translation>
    </message>
    <message>
        <source>All Image Files(%1)</source>
        <translation>所有图像文件(%1)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Without a bmpfile being selected.</source>
        <translation>未选择任何BMP 文件。</translation>
    </message>
    <message>
        <source>Do you want to remove all of selection?</source>
        <translation>是否移除所有选定项？</translation>
    </message>
    <message>
        <source>Please select address!</source>
        <translation>请选择地址！</translation>
    </message>
    <message>
        <source>The image list could not be stored.
%1</source>
        <translation>无法保存图像列表。
%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NvAddressWindow</name>
    <message>
        <source>NV Image Manager</source>
        <translation>NV 图像管理</translation>
    </message>
    <message>
        <source>NV Address</source>
        <translation>NV 地址</translation>
    </message>
    <message>
        <source>Address Code : </source>
        <translation>地址代码：</translation>
    </message>
    <message>
        <source>Address Code :</source>
        <translation>地址代码：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>无效值！</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::JobProgressDialog</name>
    <message>
        <source>Progressing...</source>
        <translation>进行中...</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>处理中...</translation>
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
        <translation>打印机已接受设置，但无法保存：%1</translation>
    </message>
</context>
<context>
    <name>pelmora::ui::NumberBoxGuard</name>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>请输入介于 %1 和 %2 之间的整数。</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>请输入正整数。</translation>
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
        <translation>NV 管理工具</translation>
    </message>
</context>
</TS>

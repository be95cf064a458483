#include "model/MessageTable.h"

namespace rungpad {

namespace {

// Keep each area's messages together; the order does not matter for the look-up.
constexpr MessageEntry kEntries[] = {
    // --- conversion, editing, document (core/model, convert, edit, undo, document, analysis)
    MessageEntry{"1001 继电器或者线圈的地址未设定", "1001 继电器或者线圈的地址未设定",
                 "1001 address of a contact or coil not set"},
    MessageEntry{"1002 输入代码的功能指令不存在", "1002 输入代码的功能指令不存在",
                 "1002 the function instruction entered does not exist"},
    MessageEntry{"1003 功能指令COM/COME未正确使用", "1003 功能指令COM/COME未正确使用",
                 "1003 function instruction COM/COME not used correctly"},
    MessageEntry{"1004 用户梯形图超出最大允许行数或者步数",
                 "1004 用户梯形图超出最大允许行数或者步数",
                 "1004 ladder exceeds the maximum number of lines or steps"},
    MessageEntry{"1005 功能指令END1或END2未正确使用", "1005 功能指令END1或END2未正确使用",
                 "1005 function instruction END1 or END2 not used correctly"},
    MessageEntry{"1006 网络中存在非法的输出", "1006 网络中存在非法的输出",
                 "1006 illegal output in the network"},
    MessageEntry{"1007 硬件故障或者系统中断错误导致PLC无法通信",
                 "1007 硬件故障或者系统中断错误导致PLC无法通信",
                 "1007 PLC cannot communicate: hardware fault or system interrupt error"},
    MessageEntry{"1008 功能指令未正确连接", "1008 功能指令未正确连接",
                 "1008 function instruction not connected correctly"},
    MessageEntry{"1009 网络水平线未连上", "1009 网络水平线未连上",
                 "1009 horizontal line of the network not connected"},
    MessageEntry{"1010 在编辑梯形图时断电导致在编辑的网络丢失",
                 "1010 在编辑梯形图时断电导致在编辑的网络丢失",
                 "1010 network being edited was lost by a power failure while editing the ladder"},
    MessageEntry{"1011 地址数据未正确输入", "1011 地址数据未正确输入",
                 "1011 address data not entered correctly"},
    MessageEntry{"1012 输入符号未定义或者输入地址超出范围",
                 "1012 输入符号未定义或者输入地址超出范围",
                 "1012 symbol entered is not defined or address entered is out of range"},
    MessageEntry{"1013 指定了非法字符", "1013 指定了非法字符", "1013 illegal character specified"},
    MessageEntry{"1014 CTR地址重复", "1014 CTR地址重复", "1014 CTR address used more than once"},
    MessageEntry{"1015 功能指令JMP/LBL未正确处理或者超出容量",
                 "1015 功能指令JMP/LBL未正确处理或者超出容量",
                 "1015 function instruction JMP/LBL not handled correctly or capacity exceeded"},
    MessageEntry{"1016 网络结构不完整", "1016 网络结构不完整", "1016 network structure incomplete"},
    MessageEntry{"1017 出现当前不支持的网络结构", "1017 出现当前不支持的网络结构",
                 "1017 network structure not supported"},
    MessageEntry{"1018 网络出现悬空节点", "1018 网络出现悬空节点",
                 "1018 dangling node in the network"},
    MessageEntry{"1019 TMR地址重复", "1019 TMR地址重复", "1019 TMR address used more than once"},
    MessageEntry{"1020 功能指令中缺少参数", "1020 功能指令中缺少参数",
                 "1020 parameter missing in a function instruction"},
    MessageEntry{"1021 PLC执行超时,系统自动停止PLC", "1021 PLC执行超时,系统自动停止PLC",
                 "1021 PLC execution timed out, the system stopped the PLC"},
    MessageEntry{"1022 请输入功能指令名", "1022 请输入功能指令名",
                 "1022 enter a function instruction name"},
    MessageEntry{"1023 存在有不必要的继电器或线圈", "1023 存在有不必要的继电器或线圈",
                 "1023 unnecessary contact or coil present"},
    MessageEntry{"1025 功能指令未正确输出", "1025 功能指令未正确输出",
                 "1025 function instruction output not correct"},
    MessageEntry{"1026 网络连接行数超出支持范围", "1026 网络连接行数超出支持范围",
                 "1026 network spans more lines than supported"},
    MessageEntry{"1027 同一输出地址被重复使用", "1027 同一输出地址被重复使用",
                 "1027 same output address used more than once"},
    MessageEntry{"1030 网络中有不正确的垂直线", "1030 网络中有不正确的垂直线",
                 "1030 incorrect vertical line in the network"},
    MessageEntry{"1031 用户数据区已满,请减少COD指令数据表容量",
                 "1031 用户数据区已满,请减少COD指令数据表容量",
                 "1031 user data area full, reduce the size of the COD data tables"},
    MessageEntry{"1032 梯形图的第一级太大,不能及时执行完毕",
                 "1032 梯形图的第一级太大,不能及时执行完毕",
                 "1032 first level of the ladder too large to finish executing in time"},
    MessageEntry{"1033 SFT指令超出最大允许使用数", "1033 SFT指令超出最大允许使用数",
                 "1033 more SFT instructions than allowed"},
    MessageEntry{"1034 功能指令DIFU/DIFD未正确使用", "1034 功能指令DIFU/DIFD未正确使用",
                 "1034 function instruction DIFU/DIFD not used correctly"},
    MessageEntry{"1039 指令或网络不在可执行范围内", "1039 指令或网络不在可执行范围内",
                 "1039 instruction or network outside the executable range"},
    MessageEntry{"1040 功能指令CALL/SP/SPE未正确使用", "1040 功能指令CALL/SP/SPE未正确使用",
                 "1040 function instruction CALL/SP/SPE not used correctly"},
    MessageEntry{"1041 水平导通线与节点网络并联.", "1041 水平导通线与节点网络并联.",
                 "1041 horizontal conducting line in parallel with a node network."},
    MessageEntry{"梯图第%1行  错误代号 %2", "梯图第%1行  错误代号 %2",
                 "Ladder line %1  error code %2"},
    MessageEntry{"1024 ", "1024 ", "1024 "},
    MessageEntry{"1028      ", "1028      ", "1028      "},
    MessageEntry{"1029      ", "1029      ", "1029      "},
    MessageEntry{"1035      ", "1035      ", "1035      "},
    MessageEntry{"1036      ", "1036      ", "1036      "},
    MessageEntry{"1037      ", "1037      ", "1037      "},
    MessageEntry{"1038      ", "1038      ", "1038      "},
    MessageEntry{"文件载入完成!", "文件载入完成!", "File loaded!"},
    MessageEntry{"梯形图转换失败!", "梯形图转换失败!", "Ladder conversion failed!"},
    MessageEntry{"保存文件失败!", "保存文件失败!", "Saving the file failed!"},
    MessageEntry{"Converting...", "正在转换...", "Converting..."},
    MessageEntry{"Convert succeed!", "转换成功!", "Conversion succeeded!"},
    MessageEntry{"ZIZIdu 文件 (*.grp)|*.plf||", "ZIZIdu 文件 (*.grp)|*.plf||",
                 "ZIZIdu files (*.grp)|*.plf||"},
    MessageEntry{"%1 more line", "另有%1行", "%1 more line"},
    MessageEntry{"%1 more lines", "另有%1行", "%1 more lines"},
    MessageEntry{"%1 more line and %2 bytes that are no line note trailer",
                 "另有%1行及%2字节不属于行注释尾部的数据",
                 "%1 more line and %2 bytes that are no line note trailer"},
    MessageEntry{"%1 more lines and %2 bytes that are no line note trailer",
                 "另有%1行及%2字节不属于行注释尾部的数据",
                 "%1 more lines and %2 bytes that are no line note trailer"},
    MessageEntry{"Warning: %1 holds more than its header's line count of %2: %3 were not read.",
                 "警告: %1 的内容超出文件头所记的%2行: %3未被读入。",
                 "Warning: %1 holds more than its header's line count of %2: %3 were not read."},
    MessageEntry{"%1 is read-only.\nSave over it all the same?", "%1 是只读文件。\n仍然覆盖保存吗?",
                 "%1 is read-only.\nSave over it all the same?"},
    MessageEntry{"%1\nSaving writes only the lines shown; the unread part of the file is lost. "
                 "Save all the same?",
                 "%1\n保存时只写入显示的行, 文件中未读入的部分将丢失。仍然保存吗?",
                 "%1\nSaving writes only the lines shown; the unread part of the file is lost. "
                 "Save all the same?"},
    MessageEntry{"梯形图未转换!", "梯形图未转换!", "The ladder has not been converted!"},
    MessageEntry{"正在保存文件...", "正在保存文件...", "Saving the file..."},
    MessageEntry{"正在保存文件......", "正在保存文件......", "Saving the file......"},
    MessageEntry{"保存文件成功!", "保存文件成功!", "File saved!"},
    MessageEntry{"梯形图文件输出失败!", "梯形图文件输出失败!", "Writing the ladder file failed!"},
    MessageEntry{"打开文件失败!", "打开文件失败!", "Opening the file failed!"},
    MessageEntry{"正在保存注释...", "正在保存注释...", "Saving the notes..."},
    MessageEntry{"保存完成!", "保存完成!", "Saved!"},
    MessageEntry{"正在载入注释...", "正在载入注释...", "Loading the notes..."},
    MessageEntry{"载入成功!", "载入成功!", "Loaded!"},
    MessageEntry{"梯图二进制文件 (*.dat)|*.dat||", "梯图二进制文件 (*.dat)|*.dat||",
                 "Ladder binary files (*.dat)|*.dat||"},
    MessageEntry{"梯形图文件 (*.grp)|*.grp||", "梯形图文件 (*.grp)|*.grp||",
                 "Ladder files (*.grp)|*.grp||"},
    MessageEntry{"指令表文件 (*.txt)|*.txt||", "指令表文件 (*.txt)|*.txt||",
                 "Instruction list files (*.txt)|*.txt||"},
    MessageEntry{"文本文件 (*.txt)|*.txt||", "文本文件 (*.txt)|*.txt||",
                 "Text files (*.txt)|*.txt||"},
    MessageEntry{"文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||",
                 "文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||",
                 "Text files (*.txt)|*.txt|All files (*.*)|*.*||"},
    MessageEntry{"请键入一个整数。", "请键入一个整数。", "Please enter an integer."},
    MessageEntry{"“请填入一个正整数。”", "“请填入一个正整数。”",
                 "\"Please enter a positive integer.\""},
    MessageEntry{"“请填入一个在%1和%2之间的整数。”", "“请填入一个在%1和%2之间的整数。”",
                 "\"Please enter an integer between %1 and %2.\""},
    MessageEntry{"“请填入不多于%1个的字符。”", "“请填入不多于%1个的字符。”",
                 "\"Please enter no more than %1 characters.\""},
    MessageEntry{"normally closed contact", "常闭触点", "normally closed contact"},
    MessageEntry{"normally open contact", "常开触点", "normally open contact"},
    MessageEntry{"output coil", "输出线圈", "output coil"},
    MessageEntry{"reverse output coil", "反向输出线圈", "reverse output coil"},
    MessageEntry{"没有找到要查找的内容。", "没有找到要查找的内容。",
                 "The text searched for was not found."},
    MessageEntry{"全部替换完成。", "全部替换完成。", "All replaced."},
    MessageEntry{"功能指令输入错误!", "功能指令输入错误!",
                 "Function instruction entered incorrectly!"},
    MessageEntry{"行数超出范围!", "行数超出范围!", "Number of lines out of range!"},
    MessageEntry{"不能执行此操作!", "不能执行此操作!", "This operation cannot be carried out!"},
    MessageEntry{"Checking...", "正在检查...", "Checking..."},
    MessageEntry{"Accept!", "已接受!", "Accept!"},
    MessageEntry{"not an address or parameter", "不是地址或参数", "not an address or parameter"},
    MessageEntry{"refused", "被拒绝", "refused"},
    MessageEntry{"%1 replaced", "已替换%1处", "%1 replaced"},
    MessageEntry{"; line %1: %2", "; 第%1行: %2", "; line %1: %2"},
    MessageEntry{"无法打开梯形图文件!", "无法打开梯形图文件!", "Cannot open the ladder file!"},
    MessageEntry{"格式错误!\r\n无法打开梯形图文件!", "格式错误!\r\n无法打开梯形图文件!",
                 "Format error!\r\nCannot open the ladder file!"},
    MessageEntry{"the file holds %1 bytes, less than the %2-byte header",
                 "文件只有%1字节, 不足%2字节的文件头",
                 "the file holds %1 bytes, less than the %2-byte header"},
    MessageEntry{"the header's line count %1 is above the %2 lines a program holds",
                 "文件头中的行数%1超过了程序最多可容纳的%2行",
                 "the header's line count %1 is above the %2 lines a program holds"},
    MessageEntry{"the file holds %1 bytes; its line count of %2 needs %3",
                 "文件只有%1字节; 其行数%2需要%3字节",
                 "the file holds %1 bytes; its line count of %2 needs %3"},
    MessageEntry{"line %1: text after the closing quote of a field",
                 "第%1行: 字段的结束引号之后还有文字",
                 "line %1: text after the closing quote of a field"},
    MessageEntry{"line %1: a quoted field is not closed", "第%1行: 带引号的字段没有结束引号",
                 "line %1: a quoted field is not closed"},
    MessageEntry{"the note of %1 holds a line break", "%1 的注释中含有换行符",
                 "the note of %1 holds a line break"},
    MessageEntry{"the note of %1 holds a control character (%2)", "%1 的注释中含有控制字符 (%2)",
                 "the note of %1 holds a control character (%2)"},
    MessageEntry{"the note of %1 holds a character that GBK cannot represent",
                 "%1 的注释中含有GBK无法表示的字符",
                 "the note of %1 holds a character that GBK cannot represent"},
    MessageEntry{"the note of %1 is %2 bytes in GBK; a note holds at most %3",
                 "%1 的注释按GBK编码为%2字节; 注释最多%3字节",
                 "the note of %1 is %2 bytes in GBK; a note holds at most %3"},
    MessageEntry{"line %1: %2", "第%1行: %2", "line %1: %2"},
    MessageEntry{"no comma: a row is ADDRESS,NOTE", "缺少逗号: 每行格式为 ADDRESS,NOTE (地址,注释)",
                 "no comma: a row is ADDRESS,NOTE"},
    MessageEntry{"more than two fields (quote a note that holds a comma)",
                 "字段多于两个 (含逗号的注释请加引号)",
                 "more than two fields (quote a note that holds a comma)"},
    MessageEntry{"\"%1\" is not an address that can carry a note (X, Y, A, F, G, K or R with its "
                 "three-digit byte in range, and .0 to .7 for a bit)",
                 "\"%1\" 不是可加注释的地址 (X、Y、A、F、G、K 或 R 加范围内的三位字节号, "
                 "位地址再加 .0 至 .7)",
                 "\"%1\" is not an address that can carry a note (X, Y, A, F, G, K or R with its "
                 "three-digit byte in range, and .0 to .7 for a bit)"},
    MessageEntry{"%1 is given a second time (first on line %2)", "%1 重复出现 (首次出现在第%2行)",
                 "%1 is given a second time (first on line %2)"},
    MessageEntry{"%1: not a regular file", "%1: 不是普通文件", "%1: not a regular file"},
    MessageEntry{"%1; the complete content is kept in %2", "%1; 完整内容保存在 %2",
                 "%1; the complete content is kept in %2"},
    MessageEntry{"%1: is a directory", "%1: 是一个目录", "%1: is a directory"},
    MessageEntry{"%1: not open", "%1: 未打开", "%1: not open"},
    MessageEntry{"%1: would overwrite %2", "%1: 将会覆盖 %2", "%1: would overwrite %2"},
    MessageEntry{"%1: is read-only", "%1: 是只读文件", "%1: is read-only"},
    MessageEntry{"正在载入文件......", "正在载入文件......", "Loading the file......"},
    MessageEntry{"文件保存完成.", "文件保存完成.", "File saved."},
    MessageEntry{"正在保存注释......", "正在保存注释......", "Saving the notes......"},
    MessageEntry{"保存注释完成", "保存注释完成", "Notes saved"},
    MessageEntry{"存在不支持的功能指令!", "存在不支持的功能指令!",
                 "The ladder holds a function instruction that is not supported!"},
    MessageEntry{"无法输出梯形图文件!", "无法输出梯形图文件!", "Cannot write the ladder file!"},
    MessageEntry{"cannot be read", "无法读取", "cannot be read"},
    MessageEntry{"%1: no free name for a recovery copy", "%1: 找不到可用的恢复副本文件名",
                 "%1: no free name for a recovery copy"},
    // The parameter captions of the function instructions (FuncInstrTable).
    MessageEntry{"上升沿号", "上升沿号", "rising edge number"},
    MessageEntry{"下降沿号", "下降沿号", "falling edge number"},
    MessageEntry{"代码数据地址", "代码数据地址", "code data address"},
    MessageEntry{"传送字节数", "传送字节数", "number of bytes to transfer"},
    MessageEntry{"传送源地址", "传送源地址", "source address"},
    MessageEntry{"传送目的地址", "传送目的地址", "destination address"},
    MessageEntry{"信号的组号", "信号的组号", "signal group number"},
    MessageEntry{"减数地址或常数", "减数地址或常数", "subtrahend address or constant"},
    MessageEntry{"加数地址或常数", "加数地址或常数", "addend address or constant"},
    MessageEntry{"地址A", "地址A", "address A"},
    MessageEntry{"地址B", "地址B", "address B"},
    MessageEntry{"地址C", "地址C", "address C"},
    MessageEntry{"复位地址", "复位地址", "reset address"},
    MessageEntry{"子程序号", "子程序号", "subprogram number"},
    MessageEntry{"定时器号", "定时器号", "timer number"},
    MessageEntry{"定时器精度", "定时器精度", "timer resolution"},
    MessageEntry{"常数或地址B", "常数或地址B", "constant or address B"},
    MessageEntry{"当前位置地址", "当前位置地址", "current position address"},
    MessageEntry{"指定格式", "指定格式", "format designation"},
    MessageEntry{"数据表头地址", "数据表头地址", "data table head address"},
    MessageEntry{"数据表容量存储地址", "数据表容量存储地址", "address holding the data table size"},
    MessageEntry{"标号", "标号", "label"},
    MessageEntry{"格式指定", "格式指定", "format"},
    MessageEntry{"检索地址", "检索地址", "search data address"},
    MessageEntry{"比较值地址", "比较值地址", "comparison value address"},
    MessageEntry{"比较数据地址", "比较数据地址", "comparison data address"},
    MessageEntry{"目标位置地址", "目标位置地址", "target position address"},
    MessageEntry{"目的标号", "目的标号", "destination label"},
    MessageEntry{"移位数据地址", "移位数据地址", "shift data address"},
    MessageEntry{"结果输出地址", "结果输出地址", "result output address"},
    MessageEntry{"置位地址", "置位地址", "set address"},
    MessageEntry{"表内号存储地址", "表内号存储地址", "address holding the table index"},
    MessageEntry{"被减数地址", "被减数地址", "minuend address"},
    MessageEntry{"被加数地址", "被加数地址", "augend address"},
    MessageEntry{"计数器号", "计数器号", "counter number"},
    MessageEntry{"设定值", "设定值", "preset value"},
    MessageEntry{"译码数据地址", "译码数据地址", "decode data address"},
    MessageEntry{"译码结果地址", "译码结果地址", "decode result address"},
    MessageEntry{"转台定位地址", "转台定位地址", "rotary table indexing address"},
    MessageEntry{"转换表数据", "转换表数据", "conversion table data"},
    MessageEntry{"转换表数据容量", "转换表数据容量", "conversion table data size"},
    MessageEntry{"转换输入数据地址", "转换输入数据地址", "conversion input data address"},
    MessageEntry{"转换输出数据地址", "转换输出数据地址", "conversion output data address"},
    MessageEntry{"轴控制数据地区", "轴控制数据地区", "axis control data area"},
    MessageEntry{"输入值", "输入值", "input value"},
    MessageEntry{"输入数据地址", "输入数据地址", "input data address"},
    MessageEntry{"输入输出数据地址", "输入输出数据地址", "input/output data address"},
    // Review findings (ReviewFinding).
    MessageEntry{"written in more than one place", "在多处被写入",
                 "written in more than one place"},
    MessageEntry{"read but never written", "被读取但从未写入", "read but never written"},
    MessageEntry{"written but never read", "被写入但从未读取", "written but never read"},
    MessageEntry{"used more than once", "被重复使用", "used more than once"},
    MessageEntry{"does not fit a %1-byte operand", "超出%1字节操作数的范围",
                 "does not fit a %1-byte operand"},
    MessageEntry{"TMRB timer %1", "TMRB定时器 %1", "TMRB timer %1"},
    MessageEntry{"timer %1", "定时器 %1", "timer %1"},
    MessageEntry{"counter %1", "计数器 %1", "counter %1"},
    MessageEntry{"constant %1", "常数 %1", "constant %1"},
    MessageEntry{"  at", "  位置", "  at"},
    // Cross-reference uses (XrefUse).
    MessageEntry{"NO contact", "常开触点", "NO contact"},
    MessageEntry{"NC contact", "常闭触点", "NC contact"},
    MessageEntry{"coil", "线圈", "coil"},
    MessageEntry{"negated coil", "取反线圈", "negated coil"},
    MessageEntry{"read", "读", "read"},
    MessageEntry{"write", "写", "write"},
    MessageEntry{"read/write", "读/写", "read/write"},

    // --- simulation, timing and the command-line tool (core/sim, core/timing, src/cli)
    MessageEntry{"Usage: rungpad-cli %1", "用法：rungpad-cli %1", "Usage: rungpad-cli %1"},
    MessageEntry{"write error", "写入错误", "write error"},
    MessageEntry{"unknown command '%1'", "未知命令“%1”", "unknown command '%1'"},
    MessageEntry{"Usage: rungpad-cli COMMAND [ARGS...]\n\n"
                 "Reads, checks, converts and rewrites Rungpad ladder files (.plf, .grp, .bak, "
                 "*CON).\n\n"
                 "Commands:\n",
                 "用法：rungpad-cli 命令 [参数...]\n\n"
                 "读取、检查、转换和重写 Rungpad 梯形图文件（.plf、.grp、.bak、*CON）。\n\n"
                 "命令：\n",
                 "Usage: rungpad-cli COMMAND [ARGS...]\n\n"
                 "Reads, checks, converts and rewrites Rungpad ladder files (.plf, .grp, .bak, "
                 "*CON).\n\n"
                 "Commands:\n"},
    MessageEntry{
        "\nOptions (before or after the command):\n"
        "  --lang original|zh|en  language of the messages (default original); files "
        "written are\n"
        "                         the same in every language\n"
        "\nRun 'rungpad-cli COMMAND --help' for a command's details, 'rungpad-cli "
        "--version' for\n"
        "the version.\n"
        "Exit status: 0 success, 1 conversion errors, 2 unreadable, refused or unwritable "
        "file, 64 usage error.\n",
        "\n选项（可放在命令之前或之后）：\n"
        "  --lang original|zh|en  消息的语言（默认 original）；写出的文件在任何语言下都相同\n"
        "\n运行 'rungpad-cli 命令 --help' 查看命令的详细说明，'rungpad-cli --version' "
        "查看版本。\n"
        "退出码：0 成功，1 转换错误，2 文件无法读取、被拒绝或无法写入，64 用法错误。\n",
        "\nOptions (before or after the command):\n"
        "  --lang original|zh|en  language of the messages (default original); files "
        "written are\n"
        "                         the same in every language\n"
        "\nRun 'rungpad-cli COMMAND --help' for a command's details, 'rungpad-cli "
        "--version' for\n"
        "the version.\n"
        "Exit status: 0 success, 1 conversion errors, 2 unreadable, refused or unwritable "
        "file, 64 usage error.\n"},
    // each command's --help text
    MessageEntry{
        "Converts FILE and prints \"Convert succeed!\" (exit 0), or the report line of the first\n"
        "conversion error on stderr (exit 1), e.g. \"梯图第0003行  错误代号 1009 "
        "网络水平线未连上\".\n"
        "A file holding more than its header's line count admits is warned about and exits 2.\n",
        "转换 FILE，成功时打印 \"Convert succeed!\"（退出码 0），否则在标准错误上打印第一个\n"
        "转换错误的报告行（退出码 1），例如 \"梯图第0003行  错误代号 1009 网络水平线未连上\"。\n"
        "文件所含行数超过其文件头行数所允许的，给出警告并以退出码 2 退出。\n",
        "Converts FILE and prints \"Convert succeed!\" (exit 0), or the report line of the first\n"
        "conversion error on stderr (exit 1), e.g. \"ladder line 0003  error 1009 network "
        "horizontal line\n"
        "not connected\".\n"
        "A file holding more than its header's line count admits is warned about and exits 2.\n"},
    MessageEntry{
        "Opens FILE as the editor does and converts it. On success runs the output commands:\n"
        "--bin writes the binary image (the controller's step records and COD table words), --grp\n"
        "the ladder generated file, --old the old ladder diagram file (one-line boxes; refused "
        "for\n"
        "TMRB, TMRC, CALLU, MOVB and MOVW), --list the instruction list text (CR LF lines); each "
        "is\n"
        "replaced only when completely written, and none is written when one of them is refused.\n"
        "Then prints \"Convert succeed!\". An output may not name the input, a note file or\n"
        "another output (also through a link); a read-only output is refused unless --force is "
        "given.\n"
        "--notes reads the address notes from NOTEFILE instead of PBitCh01.MEA beside "
        "rungpad-cli.\n"
        "A conversion error prints its report line on stderr and writes nothing (exit 1); an\n"
        "unreadable input or note file, a refused or unwritable output exits 2.\n",
        "按编辑器打开的方式打开 FILE 并转换。成功后执行输出命令：\n"
        "--bin 写出二进制映像（控制器的步记录和 COD 表字），--grp 写出梯形图生成文件，\n"
        "--old 写出旧格式梯形图文件（单行功能框；TMRB、TMRC、CALLU、MOVB 和 MOVW 会被拒绝），\n"
        "--list 写出指令表文本（CR LF 换行）；每个文件只在完整写出后才被替换，\n"
        "其中任何一个被拒绝时都不写出。\n"
        "然后打印 \"Convert succeed!\"。输出不能是输入、注释文件或另一个输出（经链接也不行）；\n"
        "只读的输出会被拒绝，除非给出 --force。\n"
        "--notes 从 NOTEFILE 读取地址注释，而不是 rungpad-cli 旁边的 PBitCh01.MEA。\n"
        "转换出错时在标准错误上打印报告行且不写出任何文件（退出码 1）；输入或注释文件\n"
        "无法读取、输出被拒绝或无法写入时退出码为 2。\n",
        "Opens FILE as the editor does and converts it. On success runs the output commands:\n"
        "--bin writes the binary image (the controller's step records and COD table words), --grp\n"
        "the ladder generated file, --old the old ladder diagram file (one-line boxes; refused "
        "for\n"
        "TMRB, TMRC, CALLU, MOVB and MOVW), --list the instruction list text (CR LF lines); each "
        "is\n"
        "replaced only when completely written, and none is written when one of them is refused.\n"
        "Then prints \"Convert succeed!\". An output may not name the input, a note file or\n"
        "another output (also through a link); a read-only output is refused unless --force is "
        "given.\n"
        "--notes reads the address notes from NOTEFILE instead of PBitCh01.MEA beside "
        "rungpad-cli.\n"
        "A conversion error prints its report line on stderr and writes nothing (exit 1); an\n"
        "unreadable input or note file, a refused or unwritable output exits 2.\n"},
    MessageEntry{
        "Compares two ladder files as the editor opens them. Lines are aligned by the longest "
        "common\n"
        "subsequence of whole lines (cells and note), so an inserted network shows as inserted "
        "lines.\n"
        "Prints the differing header fields, then hunks of dump lines: ' ' common, '-' OLD, '+' "
        "NEW;\n"
        "a changed line is followed by '#' lines naming each changed cell (column 0-7; element,\n"
        "address, parameter, link) and a changed line note.\n"
        "\n"
        "  --stat   print only the counts of changed, inserted and deleted lines, changed cells,\n"
        "           line notes and header fields\n"
        "\n"
        "Exit status: 0 the programs are equal, 1 they differ, 2 a file cannot be read, 64 "
        "usage.\n",
        "按编辑器打开的方式比较两个梯形图文件。各行按整行（单元和注释）的最长公共子序列对齐，\n"
        "因此插入的网络显示为插入的行。\n"
        "先打印不同的文件头字段，然后是转储行的差异块：' ' 相同，'-' 来自 OLD，'+' 来自 NEW；\n"
        "修改的行后面跟着 '#' 行，指出每个修改的单元（列 0-7；元件、地址、参数、连线）\n"
        "和修改的行注释。\n"
        "\n"
        "  --stat   只打印修改、插入和删除的行数，以及修改的单元、行注释和文件头字段的数目\n"
        "\n"
        "退出码：0 两个程序相同，1 有差异，2 文件无法读取，64 用法错误。\n",
        "Compares two ladder files as the editor opens them. Lines are aligned by the longest "
        "common\n"
        "subsequence of whole lines (cells and note), so an inserted network shows as inserted "
        "lines.\n"
        "Prints the differing header fields, then hunks of dump lines: ' ' common, '-' OLD, '+' "
        "NEW;\n"
        "a changed line is followed by '#' lines naming each changed cell (column 0-7; element,\n"
        "address, parameter, link) and a changed line note.\n"
        "\n"
        "  --stat   print only the counts of changed, inserted and deleted lines, changed cells,\n"
        "           line notes and header fields\n"
        "\n"
        "Exit status: 0 the programs are equal, 1 they differ, 2 a file cannot be read, 64 "
        "usage.\n"},
    MessageEntry{
        "Reads FILE as the editor opens it and prints its header and its grid, one ladder line "
        "per\n"
        "output line: the line number, the eight cells and the line note.\n"
        "\n"
        "  -[X000.0]-  normally open contact     -[/X000.0]  normally closed contact\n"
        "  -(Y000.0)-  coil                      -(/Y000.0)  negated coil\n"
        "  ----------  horizontal line           [TMR     ]  function box cell\n"
        "  <0001    >  COD table cell            |           vertical link after a cell\n",
        "按编辑器打开的方式读取 FILE，打印其文件头和网格，每个梯形图行输出一行：\n"
        "行号、八个单元和行注释。\n"
        "\n"
        "  -[X000.0]-  常开触点                  -[/X000.0]  常闭触点\n"
        "  -(Y000.0)-  线圈                      -(/Y000.0)  取反线圈\n"
        "  ----------  水平线                    [TMR     ]  功能指令单元\n"
        "  <0001    >  COD 表单元                |           单元后的竖线\n",
        "Reads FILE as the editor opens it and prints its header and its grid, one ladder line "
        "per\n"
        "output line: the line number, the eight cells and the line note.\n"
        "\n"
        "  -[X000.0]-  normally open contact     -[/X000.0]  normally closed contact\n"
        "  -(Y000.0)-  coil                      -(/Y000.0)  negated coil\n"
        "  ----------  horizontal line           [TMR     ]  function box cell\n"
        "  <0001    >  COD table cell            |           vertical link after a cell\n"},
    MessageEntry{
        "Converts FILE and prints its instruction list, one entry per line as the converter keeps "
        "it:\n"
        "the instruction text, two spaces and its 1-based ladder line right-aligned in four "
        "places.\n"
        "On a conversion error prints nothing on stdout and the error report on stderr (exit 1).\n",
        "转换 FILE 并打印其指令表，按转换器保存的方式每行一条：指令文本、两个空格，\n"
        "以及右对齐占四位、从 1 开始的梯形图行号。\n"
        "转换出错时标准输出不打印任何内容，错误报告打印到标准错误（退出码 1）。\n",
        "Converts FILE and prints its instruction list, one entry per line as the converter keeps "
        "it:\n"
        "the instruction text, two spaces and its 1-based ladder line right-aligned in four "
        "places.\n"
        "On a conversion error prints nothing on stdout and the error report on stderr (exit "
        "1).\n"},
    MessageEntry{
        "Reads the address note file NOTEFILE (the format of PBitCh01.MEA: letter, three-digit "
        "byte,\n"
        "slot digit 1-8 for bits 0-7, a separator and the note) as Import Note does, and writes "
        "its\n"
        "bit notes to OUT as Export Note does (\"%\", \"X0012     note\" lines, \"end\"; CR LF).\n"
        "\n"
        "  --csv NOTEFILE OUT.csv     every note of NOTEFILE as a UTF-8 table for a spreadsheet:\n"
        "                             \"address,note\", then rows such as X001.2,Motor ready (a "
        "bit)\n"
        "                             and X001,Inputs (the byte note)\n"
        "  --from-csv IN.csv NOTEFILE the other way: a note file (GBK) from such a table. "
        "Refused,\n"
        "                             with every problem named by its line, when an address "
        "cannot\n"
        "                             carry a note, is given twice, or a note is longer than 120\n"
        "                             GBK bytes, holds a line break, a control character or a\n"
        "                             character GBK lacks, or a row has no comma; a table without\n"
        "                             any note is refused unless --force is given\n"
        "\n"
        "Output files are replaced only when completely written; nothing is written on an error.\n"
        "OUT may not be the file read (also through a link); a read-only OUT is refused unless\n"
        "--force is given.\n",
        "像“导入注释”那样读取地址注释文件 NOTEFILE（PBitCh01.MEA 的格式：字母、三位字节号、\n"
        "表示位 0-7 的槽位数字 1-8、分隔符和注释），并像“导出注释”那样把其中的位注释写到 OUT\n"
        "（\"%\"、\"X0012     note\" 行、\"end\"；CR LF）。\n"
        "\n"
        "  --csv NOTEFILE OUT.csv     把 NOTEFILE 的所有注释写成供电子表格使用的 UTF-8 表：\n"
        "                             先是 \"address,note\"，然后是 X001.2,Motor ready（位注释）\n"
        "                             和 X001,Inputs（字节注释）这样的行\n"
        "  --from-csv IN.csv NOTEFILE 反方向：由这样的表生成注释文件（GBK）。当地址不能带注释、\n"
        "                             地址重复、注释超过 120 个 GBK 字节、含换行、控制字符或\n"
        "                             GBK "
        "没有的字符，或某行没有逗号时拒绝，并按行号指出每个问题；\n"
        "                             不含任何注释的表会被拒绝，除非给出 --force\n"
        "\n"
        "输出文件只在完整写出后才被替换；出错时不写出任何内容。\n"
        "OUT 不能是所读取的文件（经链接也不行）；只读的 OUT 会被拒绝，除非给出 --force。\n",
        "Reads the address note file NOTEFILE (the format of PBitCh01.MEA: letter, three-digit "
        "byte,\n"
        "slot digit 1-8 for bits 0-7, a separator and the note) as Import Note does, and writes "
        "its\n"
        "bit notes to OUT as Export Note does (\"%\", \"X0012     note\" lines, \"end\"; CR LF).\n"
        "\n"
        "  --csv NOTEFILE OUT.csv     every note of NOTEFILE as a UTF-8 table for a spreadsheet:\n"
        "                             \"address,note\", then rows such as X001.2,Motor ready (a "
        "bit)\n"
        "                             and X001,Inputs (the byte note)\n"
        "  --from-csv IN.csv NOTEFILE the other way: a note file (GBK) from such a table. "
        "Refused,\n"
        "                             with every problem named by its line, when an address "
        "cannot\n"
        "                             carry a note, is given twice, or a note is longer than 120\n"
        "                             GBK bytes, holds a line break, a control character or a\n"
        "                             character GBK lacks, or a row has no comma; a table without\n"
        "                             any note is refused unless --force is given\n"
        "\n"
        "Output files are replaced only when completely written; nothing is written on an error.\n"
        "OUT may not be the file read (also through a link); a read-only OUT is refused unless\n"
        "--force is given.\n"},
    MessageEntry{
        "Reads FILE as the editor opens it and writes it to OUT in the ladder layout, with the "
        "line\n"
        "note trailer unless OUT ends in .grp. OUT is replaced only when completely written; it "
        "may\n"
        "not be FILE (also through a link), and a read-only OUT is refused unless --force is "
        "given.\n",
        "按编辑器打开的方式读取 FILE，以梯形图格式写到 OUT；除非 OUT 以 .grp 结尾，\n"
        "否则附带行注释尾部。OUT 只在完整写出后才被替换；OUT 不能是 FILE（经链接也不行），\n"
        "只读的 OUT 会被拒绝，除非给出 --force。\n",
        "Reads FILE as the editor opens it and writes it to OUT in the ladder layout, with the "
        "line\n"
        "note trailer unless OUT ends in .grp. OUT is replaced only when completely written; it "
        "may\n"
        "not be FILE (also through a link), and a read-only OUT is refused unless --force is "
        "given.\n"},
    MessageEntry{
        "Converts FILE and runs its step list scan by scan in simulated time (8 ms a scan unless\n"
        "--period says otherwise) for --time (default 1s, at most 86400s) or --scans N scans.\n"
        "--stimulus STIM writes signals at given times: one event a line, TIME SIGNAL=VALUE, e.g.\n"
        "  0ms X000.0=1   120ms X000.1=0   0ms DT0001=500   # comment\n"
        "--watch names the signals to watch (bits X000.0, bytes R100, words D010 DT0001 C005 "
        "T005),\n"
        "comma separated, repeatable; without it every coil of the program is watched. Each "
        "change\n"
        "of a watched signal is printed as TIME SIGNAL=VALUE (the first scan prints every value).\n"
        "--vcd writes the watched signals as a Value Change Dump for waveform viewers.\n"
        "--svg writes their timing diagram as an SVG picture, from --from (default 0) to --to\n"
        "(default the end of the run).\n"
        "--force SIGNAL=VALUE holds a bit, byte or word at a value the program and the stimulus "
        "cannot\n"
        "overwrite.\n"
        "Warnings (on standard error, before the run) name constants too wide for their data "
        "length,\n"
        "timer and counter presets never set, and stimulus events that change nothing or come\n"
        "between two scans or after the last.\n"
        "The VCD and the SVG may not be FILE or STIM or each other (also through a link); they "
        "are\n"
        "checked before the run, and a read-only one is refused unless a --force without a\n"
        "SIGNAL=VALUE is given.\n"
        "Exit status: 0 run complete, 1 the program does not convert or the simulation stopped on "
        "an\n"
        "instruction it cannot run, 2 unreadable ladder or stimulus file or unwritable VCD or SVG, "
        "64 usage.\n",
        "转换 FILE，并在仿真时间中逐次扫描运行其步序表（除非 --period 另行指定，每次扫描 8 ms），\n"
        "运行 --time（默认 1s，最长 86400s）或 --scans N 次扫描。\n"
        "--stimulus STIM 在给定时间写入信号：每行一个事件，时间 信号=值，例如\n"
        "  0ms X000.0=1   120ms X000.1=0   0ms DT0001=500   # 注释\n"
        "--watch 指定要监视的信号（位 X000.0，字节 R100，字 D010 DT0001 C005 T005），\n"
        "以逗号分隔，可重复；不给出时监视程序的所有线圈。被监视信号的每次变化打印为\n"
        "时间 信号=值（第一次扫描打印所有值）。\n"
        "--vcd 把被监视的信号写成供波形查看器使用的 VCD（Value Change Dump）文件。\n"
        "--svg 把它们的时序图写成 SVG 图片，从 --from（默认 0）到 --to（默认运行结束）。\n"
        "--force 信号=值 把位、字节或字保持在程序和激励都无法改写的值上。\n"
        "警告（在标准错误上、运行之前）指出超出其数据长度的常数、从未设置的定时器和\n"
        "计数器设定值，以及不改变任何内容、落在两次扫描之间或最后一次扫描之后的激励事件。\n"
        "VCD 和 SVG 不能是 FILE 或 STIM，也不能互相相同（经链接也不行）；它们在运行前检查，\n"
        "只读的文件会被拒绝，除非给出不带 信号=值 的 --force。\n"
        "退出码：0 运行完成，1 程序无法转换或仿真停在无法运行的指令上，2 梯形图或激励文件\n"
        "无法读取或 VCD、SVG 无法写入，64 用法错误。\n",
        "Converts FILE and runs its step list scan by scan in simulated time (8 ms a scan unless\n"
        "--period says otherwise) for --time (default 1s, at most 86400s) or --scans N scans.\n"
        "--stimulus STIM writes signals at given times: one event a line, TIME SIGNAL=VALUE, e.g.\n"
        "  0ms X000.0=1   120ms X000.1=0   0ms DT0001=500   # comment\n"
        "--watch names the signals to watch (bits X000.0, bytes R100, words D010 DT0001 C005 "
        "T005),\n"
        "comma separated, repeatable; without it every coil of the program is watched. Each "
        "change\n"
        "of a watched signal is printed as TIME SIGNAL=VALUE (the first scan prints every value).\n"
        "--vcd writes the watched signals as a Value Change Dump for waveform viewers.\n"
        "--svg writes their timing diagram as an SVG picture, from --from (default 0) to --to\n"
        "(default the end of the run).\n"
        "--force SIGNAL=VALUE holds a bit, byte or word at a value the program and the stimulus "
        "cannot\n"
        "overwrite.\n"
        "Warnings (on standard error, before the run) name constants too wide for their data "
        "length,\n"
        "timer and counter presets never set, and stimulus events that change nothing or come\n"
        "between two scans or after the last.\n"
        "The VCD and the SVG may not be FILE or STIM or each other (also through a link); they "
        "are\n"
        "checked before the run, and a read-only one is refused unless a --force without a\n"
        "SIGNAL=VALUE is given.\n"
        "Exit status: 0 run complete, 1 the program does not convert or the simulation stopped on "
        "an\n"
        "instruction it cannot run, 2 unreadable ladder or stimulus file or unwritable VCD or SVG, "
        "64 usage.\n"},
    MessageEntry{
        "Converts PROGRAM and runs every case of the test files (.plt, see docs/testing.md), each\n"
        "from a fresh start, printing PASS NAME or FAIL NAME a case; a failure also names the\n"
        "expectation, the time, the value seen and the ladder line that writes the signal.\n"
        "--junit writes the results as JUnit XML, --vcd-dir writes each failing case's trace as\n"
        "DIR/CASE.vcd, --case runs only the case of that name.\n"
        "Exit status: 0 every case passed, 1 a case failed or the program does not convert or "
        "uses\n"
        "an instruction the simulation refuses, 2 unreadable or malformed file or unwritable "
        "output,\n"
        "64 usage.\n",
        "转换 PROGRAM，并运行测试文件（.plt，见 docs/testing.md）中的每个用例，每个用例都从\n"
        "初始状态开始，每个用例打印 PASS 名称 或 FAIL 名称；失败时还指出期望、时间、\n"
        "看到的值以及写该信号的梯形图行。\n"
        "--junit 把结果写成 JUnit XML，--vcd-dir 把每个失败用例的波形记录写成 DIR/CASE.vcd，\n"
        "--case 只运行该名称的用例。\n"
        "退出码：0 所有用例通过，1 有用例失败、程序无法转换或使用了仿真拒绝的指令，\n"
        "2 文件无法读取或格式错误、输出无法写入，64 用法错误。\n",
        "Converts PROGRAM and runs every case of the test files (.plt, see docs/testing.md), each\n"
        "from a fresh start, printing PASS NAME or FAIL NAME a case; a failure also names the\n"
        "expectation, the time, the value seen and the ladder line that writes the signal.\n"
        "--junit writes the results as JUnit XML, --vcd-dir writes each failing case's trace as\n"
        "DIR/CASE.vcd, --case runs only the case of that name.\n"
        "Exit status: 0 every case passed, 1 a case failed or the program does not convert or "
        "uses\n"
        "an instruction the simulation refuses, 2 unreadable or malformed file or unwritable "
        "output,\n"
        "64 usage.\n"},
    MessageEntry{
        "Prints every address of FILE with each use: address, line, column, read or write, the "
        "use\n"
        "(NO contact, NC contact, coil, negated coil, or instruction, parameter number and label)\n"
        "and the address note, ordered by address, then line and column (both counted from 1).\n"
        "\n"
        "--csv       the same table as CSV with a header row (CR LF line ends), for spreadsheets.\n"
        "--findings  prints only the review findings and exits 1 when there are any: an address\n"
        "            written in more than one place (SET and RST of one address alone pass), an R\n"
        "            or K relay read but never written or written but never read, a timer or\n"
        "            counter number used twice, a constant too wide for its data length "
        "(\"constant\n"
        "            300  does not fit a 1-byte operand\"). Each line: subject, finding, places "
        "as\n"
        "            LINE:COLUMN.\n"
        "--html      writes the cross-reference, address notes and review findings tables into\n"
        "            OUT.html instead, one self-contained page whose columns sort with a click\n"
        "            (with --findings the findings are still printed and gate the exit status).\n"
        "--notes     reads the address notes from NOTEFILE instead of PBitCh01.MEA beside\n"
        "            rungpad-cli.\n"
        "\n"
        "Exit status: 0 success (no findings), 1 findings, 2 unreadable file or (--findings) a "
        "file\n"
        "holding more than its header's line count admits, 64 usage error.\n",
        "打印 FILE 中的每个地址及其每次使用：地址、行、列、读或写、用法（常开触点、常闭触点、\n"
        "线圈、取反线圈，或指令、参数序号和标签）以及地址注释，按地址、再按行和列排序\n"
        "（均从 1 开始计数）。\n"
        "\n"
        "--csv       以带表头行的 CSV 输出同一张表（CR LF 换行），供电子表格使用。\n"
        "--findings  只打印检查发现，有发现时以退出码 1 退出：在多处写入的地址（同一地址只有\n"
        "            SET 和 RST 时不算）、只读不写或只写不读的 R 或 K 继电器、重复使用的定时器\n"
        "            或计数器号、超出其数据长度的常数（\"constant 300  does not fit a 1-byte\n"
        "            operand\"）。每行：对象、发现、位置（行:列）。\n"
        "--html      改为把交叉引用、地址注释和检查发现表写入 OUT.html，这是一个独立的网页，\n"
        "            点击列标题即可排序（与 --findings 同用时仍打印发现并决定退出码）。\n"
        "--notes     从 NOTEFILE 读取地址注释，而不是 rungpad-cli 旁边的 PBitCh01.MEA。\n"
        "\n"
        "退出码：0 成功（无发现），1 有发现，2 文件无法读取，或（--findings）文件所含行数\n"
        "超过其文件头行数所允许的，64 用法错误。\n",
        "Prints every address of FILE with each use: address, line, column, read or write, the "
        "use\n"
        "(NO contact, NC contact, coil, negated coil, or instruction, parameter number and label)\n"
        "and the address note, ordered by address, then line and column (both counted from 1).\n"
        "\n"
        "--csv       the same table as CSV with a header row (CR LF line ends), for spreadsheets.\n"
        "--findings  prints only the review findings and exits 1 when there are any: an address\n"
        "            written in more than one place (SET and RST of one address alone pass), an R\n"
        "            or K relay read but never written or written but never read, a timer or\n"
        "            counter number used twice, a constant too wide for its data length "
        "(\"constant\n"
        "            300  does not fit a 1-byte operand\"). Each line: subject, finding, places "
        "as\n"
        "            LINE:COLUMN.\n"
        "--html      writes the cross-reference, address notes and review findings tables into\n"
        "            OUT.html instead, one self-contained page whose columns sort with a click\n"
        "            (with --findings the findings are still printed and gate the exit status).\n"
        "--notes     reads the address notes from NOTEFILE instead of PBitCh01.MEA beside\n"
        "            rungpad-cli.\n"
        "\n"
        "Exit status: 0 success (no findings), 1 findings, 2 unreadable file or (--findings) a "
        "file\n"
        "holding more than its header's line count admits, 64 usage error.\n"},
    MessageEntry{"Signal", "信号", "Signal"},
    MessageEntry{"end", "结束", "end"},
    MessageEntry{"the program does not convert", "程序无法转换", "the program does not convert"},
    MessageEntry{"'%1' is not a time such as 120ms or 2s",
                 "“%1”不是时间（应为 120ms 或 2s 这样的时间）",
                 "'%1' is not a time such as 120ms or 2s"},
    MessageEntry{"expected one SIGNAL=VALUE, found '%1'", "应为一个 信号=值，实为“%1”",
                 "expected one SIGNAL=VALUE, found '%1'"},
    MessageEntry{"%1: no test case (a case starts with a line 'case NAME')",
                 "%1：没有测试用例（用例以一行“case 名称”开始）",
                 "%1: no test case (a case starts with a line 'case NAME')"},
    MessageEntry{"a case needs a name of 1 to 200 characters", "用例名称须为 1 到 200 个字符",
                 "a case needs a name of 1 to 200 characters"},
    MessageEntry{"a second case named '%1'", "用例名称“%1”重复", "a second case named '%1'"},
    MessageEntry{"more than 10000 cases", "用例超过 10000 个", "more than 10000 cases"},
    MessageEntry{"'%1' before the first 'case NAME' line", "“%1”出现在第一行“case 名称”之前",
                 "'%1' before the first 'case NAME' line"},
    MessageEntry{"a run of 0ms runs no scan", "运行 0ms 不执行任何扫描",
                 "a run of 0ms runs no scan"},
    MessageEntry{"'%1' is neither a time nor one of case, force, set, expect, run",
                 "“%1”既不是时间，也不是 case、force、set、expect、run 之一",
                 "'%1' is neither a time nor one of case, force, set, expect, run"},
    MessageEntry{"the window %1 ends before it starts", "时间窗 %1 的结束早于开始",
                 "the window %1 ends before it starts"},
    MessageEntry{"expected 'expect BIT rises|falls within DURATION after TIME', found '%1'",
                 "应为“expect 位 rises|falls within 时长 after 时间”，实为“%1”",
                 "expected 'expect BIT rises|falls within DURATION after TIME', found '%1'"},
    MessageEntry{"expect needs SIGNAL=VALUE after '%1'", "expect 在“%1”之后需要 信号=值",
                 "expect needs SIGNAL=VALUE after '%1'"},
    MessageEntry{"case '%1' (line %2) has no expect line", "用例“%1”（第 %2 行）没有 expect 行",
                 "case '%1' (line %2) has no expect line"},
    MessageEntry{"case '%1' runs %2ms but names the time %3ms",
                 "用例“%1”运行 %2ms，却引用了时间 %3ms",
                 "case '%1' runs %2ms but names the time %3ms"},
    MessageEntry{"%1 is not a signal address", "%1 不是信号地址", "%1 is not a signal address"},
    MessageEntry{"%1 is out of the address range of %2", "%1 超出 %2 的地址范围",
                 "%1 is out of the address range of %2"},
    MessageEntry{"no program loaded", "未载入程序", "no program loaded"},
    MessageEntry{"the program has no complete step list: convert it first",
                 "程序没有完整的步序表：请先转换",
                 "the program has no complete step list: convert it first"},
    MessageEntry{"its records are incomplete", "其记录不完整", "its records are incomplete"},
    MessageEntry{"%1 on ladder line %2 cannot be simulated: %3", "梯形图第 %2 行的 %1 无法仿真：%3",
                 "%1 on ladder line %2 cannot be simulated: %3"},
    MessageEntry{"timer resolution %1 is not defined", "定时器精度 %1 未定义",
                 "timer resolution %1 is not defined"},
    MessageEntry{"timer number out of range", "定时器号超出范围", "timer number out of range"},
    MessageEntry{"counter number out of range", "计数器号超出范围", "counter number out of range"},
    MessageEntry{"edge number out of range", "边沿号超出范围", "edge number out of range"},
    MessageEntry{"its source is neither a constant nor an address", "其源既不是常数也不是地址",
                 "its source is neither a constant nor an address"},
    MessageEntry{"the first digit of its format must be 0 or 1", "其格式的第一位必须为 0 或 1",
                 "the first digit of its format must be 0 or 1"},
    MessageEntry{"data length %1 in its format is not 1, 2 or 4 bytes",
                 "其格式中的数据长度 %1 不是 1、2 或 4 字节",
                 "data length %1 in its format is not 1, 2 or 4 bytes"},
    MessageEntry{"its format must be 1 or 2 bytes", "其格式必须为 1 或 2 字节",
                 "its format must be 1 or 2 bytes"},
    MessageEntry{"a format of 1000 or more has no defined effect", "格式为 1000 及以上时作用未定义",
                 "a format of 1000 or more has no defined effect"},
    MessageEntry{"its format must give 1 to 8 bytes", "其格式必须给出 1 到 8 字节",
                 "its format must give 1 to 8 bytes"},
    MessageEntry{"its effect is not defined for simulation", "其作用在仿真中未定义",
                 "its effect is not defined for simulation"},
    MessageEntry{"its target is not an instruction of the step list", "其目标不是步序表中的指令",
                 "its target is not an instruction of the step list"},
    MessageEntry{"it writes a coil with nothing on the logic stack", "它在逻辑栈为空时写线圈",
                 "it writes a coil with nothing on the logic stack"},
    MessageEntry{"%1 has no $end", "%1 缺少 $end", "%1 has no $end"},
    MessageEntry{"%1 is longer than a trace of ours writes", "%1 比本系统写出的波形记录更长",
                 "%1 is longer than a trace of ours writes"},
    MessageEntry{"the file ends before $enddefinitions: not a value change dump",
                 "文件在 $enddefinitions 之前结束：不是 VCD 波形文件",
                 "the file ends before $enddefinitions: not a value change dump"},
    MessageEntry{"a scope inside a scope is not understood: traces of ours have one",
                 "无法识别嵌套的 scope：本系统的波形记录只有一个",
                 "a scope inside a scope is not understood: traces of ours have one"},
    MessageEntry{"%1 is not understood in the header of a trace", "无法识别波形记录文件头中的 %1",
                 "%1 is not understood in the header of a trace"},
    MessageEntry{"timescale %1 is not understood: traces of ours count in 1ms",
                 "无法识别时间单位 %1：本系统的波形记录以 1ms 计",
                 "timescale %1 is not understood: traces of ours count in 1ms"},
    MessageEntry{
        "a $var of %1 words is not understood: traces of ours give type, size, code and name",
        "无法识别含 %1 个词的 $var：本系统的波形记录给出类型、位宽、代码和名称",
        "a $var of %1 words is not understood: traces of ours give type, size, code and name"},
    MessageEntry{"variable type %1 is not understood: only wire and reg",
                 "无法识别变量类型 %1：只支持 wire 和 reg",
                 "variable type %1 is not understood: only wire and reg"},
    MessageEntry{"variable size %1 is not understood: 1 to 32 bits",
                 "无法识别变量位宽 %1：应为 1 到 32 位",
                 "variable size %1 is not understood: 1 to 32 bits"},
    MessageEntry{
        "variable %1 of 1 bit names no signal address of that size (X000_0, R100, D010 ...)",
        "1 位变量 %1 不是该宽度的信号地址（X000_0、R100、D010 ...）",
        "variable %1 of 1 bit names no signal address of that size (X000_0, R100, D010 ...)"},
    MessageEntry{
        "variable %1 of %2 bits names no signal address of that size (X000_0, R100, D010 ...)",
        "%2 位变量 %1 不是该宽度的信号地址（X000_0、R100、D010 ...）",
        "variable %1 of %2 bits names no signal address of that size (X000_0, R100, D010 ...)"},
    MessageEntry{"more than %1 signals", "信号超过 %1 个", "more than %1 signals"},
    MessageEntry{"%1 is declared twice", "%1 重复声明", "%1 is declared twice"},
    MessageEntry{"code %1 is declared twice", "代码 %1 重复声明", "code %1 is declared twice"},
    MessageEntry{"no $timescale: traces of ours count in 1ms",
                 "缺少 $timescale：本系统的波形记录以 1ms 计",
                 "no $timescale: traces of ours count in 1ms"},
    MessageEntry{"the trace has no signals", "波形记录中没有信号", "the trace has no signals"},
    MessageEntry{"%1 is not understood: traces of ours hold only times and values",
                 "无法识别 %1：本系统的波形记录只含时间和值",
                 "%1 is not understood: traces of ours hold only times and values"},
    MessageEntry{"$dumpvars has no $end", "$dumpvars 缺少 $end", "$dumpvars has no $end"},
    MessageEntry{"time %1 is not understood: a whole number of ms up to %2",
                 "无法识别时间 %1：应为不超过 %2 的整数毫秒",
                 "time %1 is not understood: a whole number of ms up to %2"},
    MessageEntry{"time #%1 goes back from #%2", "时间 #%1 早于前面的 #%2",
                 "time #%1 goes back from #%2"},
    MessageEntry{"a value before the first time", "第一个时间之前出现了值",
                 "a value before the first time"},
    MessageEntry{"value %1 is not understood: only 0, 1 and binary vectors",
                 "无法识别值 %1：只支持 0、1 和二进制向量",
                 "value %1 is not understood: only 0, 1 and binary vectors"},
    MessageEntry{"value %1 is not understood: only vectors of 0 and 1",
                 "无法识别值 %1：向量只能由 0 和 1 组成",
                 "value %1 is not understood: only vectors of 0 and 1"},
    MessageEntry{"value for no code, which no $var declares", "值缺少代码，没有 $var 声明它",
                 "value for no code, which no $var declares"},
    MessageEntry{"value for %1, which no $var declares", "值属于 %1，但没有 $var 声明它",
                 "value for %1, which no $var declares"},
    MessageEntry{"a value of %1 bits for %2, which has %3", "%1 位的值赋给了只有 %3 位的 %2",
                 "a value of %1 bits for %2, which has %3"},
    MessageEntry{"%1 on ladder line %2: %3", "梯形图第 %2 行的 %1：%3", "%1 on ladder line %2: %3"},
    MessageEntry{"the scan does not reach END2 (a jump or call loop)",
                 "扫描到达不了 END2（跳转或调用循环）",
                 "the scan does not reach END2 (a jump or call loop)"},
    MessageEntry{"it jumps back to LBL %1 on ladder line %2 every time, so the scan does not reach "
                 "END2 (a jump loop)",
                 "每次都跳回梯形图第 %2 行的 LBL %1，扫描到达不了 END2（跳转循环）",
                 "it jumps back to LBL %1 on ladder line %2 every time, so the scan does not reach "
                 "END2 (a jump loop)"},
    MessageEntry{"subprograms nested deeper than %1", "子程序嵌套超过 %1 层",
                 "subprograms nested deeper than %1"},
    MessageEntry{"type an address such as X000.0, R100 or DT0001",
                 "请输入地址，如 X000.0、R100 或 DT0001",
                 "type an address such as X000.0, R100 or DT0001"},
    MessageEntry{"'%1' is watched already", "“%1”已在监视中", "'%1' is watched already"},
    MessageEntry{"%1 %2 on ladder line %3: its preset %4 is never set, so it stays 0 and the timer "
                 "is done in the first scan its input is on",
                 "梯形图第 %3 行的 %1 %2：其设定值 %4 从未设置，保持为 "
                 "0，输入接通后的第一次扫描定时器即到时",
                 "%1 %2 on ladder line %3: its preset %4 is never set, so it stays 0 and the timer "
                 "is done in the first scan its input is on"},
    MessageEntry{
        "%1 %2 on ladder line %3: its preset %4 is never set, so it stays 0 and the counter is at "
        "its preset from the start",
        "梯形图第 %3 行的 %1 %2：其设定值 %4 从未设置，保持为 0，计数器从一开始就已到设定值",
        "%1 %2 on ladder line %3: its preset %4 is never set, so it stays 0 and the counter is at "
        "its preset from the start"},
    MessageEntry{"stimulus line %1: %2 is forced, so the event does not change what is forced",
                 "激励第 %1 行：%2 已被强制，该事件不改变强制值",
                 "stimulus line %1: %2 is forced, so the event does not change what is forced"},
    MessageEntry{
        "stimulus line %1: %2 at %3ms is replaced at %4ms (line %5) before a scan sees it (a scan "
        "every %6ms)",
        "激励第 %1 行：%3ms 时的 %2 在 %4ms（第 %5 行）被替换，扫描还未看到它（每 %6ms 扫描一次）",
        "stimulus line %1: %2 at %3ms is replaced at %4ms (line %5) before a scan sees it (a scan "
        "every %6ms)"},
    MessageEntry{
        "stimulus line %1: the event at %2ms comes after the last scan (%3ms) and is never applied",
        "激励第 %1 行：%2ms 的事件在最后一次扫描（%3ms）之后，不会生效",
        "stimulus line %1: the event at %2ms comes after the last scan (%3ms) and is never "
        "applied"},
    MessageEntry{
        "stimulus line %1: the event at %2ms comes after the last scan (none) and is never applied",
        "激励第 %1 行：%2ms 的事件在最后一次扫描（无）之后，不会生效",
        "stimulus line %1: the event at %2ms comes after the last scan (none) and is never "
        "applied"},
    MessageEntry{"at %1ms %2 was %3", "%1ms 时 %2 为 %3", "at %1ms %2 was %3"},
    MessageEntry{"%1, no rise since %2ms", "%1，自 %2ms 起没有上升沿", "%1, no rise since %2ms"},
    MessageEntry{"%1, no fall since %2ms", "%1，自 %2ms 起没有下降沿", "%1, no fall since %2ms"},
    MessageEntry{"simulation stopped at %1ms: %2", "仿真在 %1ms 停止：%2",
                 "simulation stopped at %1ms: %2"},
    MessageEntry{"%1: %2; no coil or box writes it", "%1：%2；没有线圈或功能指令写它",
                 "%1: %2; no coil or box writes it"},
    MessageEntry{"%1: %2; written by ladder line %3", "%1：%2；由梯形图第 %3 行写入",
                 "%1: %2; written by ladder line %3"},
    MessageEntry{"expected SIGNAL=VALUE, found %1", "应为 信号=值，实为 %1",
                 "expected SIGNAL=VALUE, found %1"},
    MessageEntry{"value %1 does not fit %2 (0 to %3)", "值 %1 超出 %2 的范围（0 到 %3）",
                 "value %1 does not fit %2 (0 to %3)"},
    MessageEntry{"time %1 is above the longest allowed, %2", "时间 %1 超过允许的最长时间 %2",
                 "time %1 is above the longest allowed, %2"},
    MessageEntry{"expected a time such as 0ms, 120ms or 2s, not %1",
                 "应为 0ms、120ms 或 2s 这样的时间，而不是 %1",
                 "expected a time such as 0ms, 120ms or 2s, not %1"},
    MessageEntry{"%1s (24 hours)", "%1s（24 小时）", "%1s (24 hours)"},
    MessageEntry{"expected TIME SIGNAL=VALUE", "应为 时间 信号=值", "expected TIME SIGNAL=VALUE"},
    MessageEntry{"stimulus line %1: %2", "激励第 %1 行：%2", "stimulus line %1: %2"},
    MessageEntry{"expects exactly one FILE", "需要恰好一个 FILE", "expects exactly one FILE"},
    MessageEntry{"expects OLD and NEW", "需要 OLD 和 NEW", "expects OLD and NEW"},
    MessageEntry{"expects a PROGRAM and at least one TESTFILE",
                 "需要一个 PROGRAM 和至少一个 TESTFILE",
                 "expects a PROGRAM and at least one TESTFILE"},
    MessageEntry{"not a directory", "不是目录", "not a directory"},
    MessageEntry{"no case named '%1'", "没有名为“%1”的用例", "no case named '%1'"},
    MessageEntry{"%1 passed, %2 failed", "%1 个通过，%2 个失败", "%1 passed, %2 failed"},
    MessageEntry{"%1 needs %2", "%1 需要%2", "%1 needs %2"},
    MessageEntry{"unexpected argument '%1'", "多余的参数“%1”", "unexpected argument '%1'"},
    MessageEntry{"expects a FILE", "需要一个 FILE", "expects a FILE"},
    MessageEntry{"unknown option %1", "未知选项 %1", "unknown option %1"},
    MessageEntry{"%1 is given twice", "%1 给出了两次", "%1 is given twice"},
    MessageEntry{"%1 %2 is above the longest allowed, %3", "%1 %2 超过允许的最长时间 %3",
                 "%1 %2 is above the longest allowed, %3"},
    MessageEntry{"%1 expects a duration such as 500ms or 2s, not %2",
                 "%1 需要 500ms 或 2s 这样的时长，而不是 %2",
                 "%1 expects a duration such as 500ms or 2s, not %2"},
    MessageEntry{"--scans expects a number of scans up to %1, not %2",
                 "--scans 需要不超过 %1 的扫描次数，而不是 %2",
                 "--scans expects a number of scans up to %1, not %2"},
    MessageEntry{"--time and --scans exclude each other", "--time 和 --scans 不能同时使用",
                 "--time and --scans exclude each other"},
    MessageEntry{"--from and --to choose the time range of --svg, which is not given",
                 "--from 和 --to 选择 --svg 的时间范围，但未给出 --svg",
                 "--from and --to choose the time range of --svg, which is not given"},
    MessageEntry{"--to must be after --from", "--to 必须在 --from 之后",
                 "--to must be after --from"},
    MessageEntry{"the SVG starts at %1ms: a signal changes more than %2 times in the range",
                 "SVG 从 %1ms 开始：范围内有信号变化超过 %2 次",
                 "the SVG starts at %1ms: a signal changes more than %2 times in the range"},
    MessageEntry{"%1 %2 at %3; the run uses its low byte", "%1 %2，位置 %3；运行时使用其低字节",
                 "%1 %2 at %3; the run uses its low byte"},
    MessageEntry{"%1 %2 at %3; the run uses its low two bytes",
                 "%1 %2，位置 %3；运行时使用其低两个字节",
                 "%1 %2 at %3; the run uses its low two bytes"},
    MessageEntry{"warning: %1", "警告：%1", "warning: %1"},
    MessageEntry{" (--force replaces it)", "（--force 可替换它）", " (--force replaces it)"},
    MessageEntry{"cannot read %1", "无法读取 %1", "cannot read %1"},
    MessageEntry{"holds no notes; --force writes an empty note file",
                 "没有任何注释；--force 会写出空的注释文件",
                 "holds no notes; --force writes an empty note file"},
    MessageEntry{"expects NOTEFILE and OUT, --csv NOTEFILE OUT.csv or --from-csv IN.csv NOTEFILE",
                 "需要 NOTEFILE 和 OUT、--csv NOTEFILE OUT.csv 或 --from-csv IN.csv NOTEFILE",
                 "expects NOTEFILE and OUT, --csv NOTEFILE OUT.csv or --from-csv IN.csv NOTEFILE"},
    MessageEntry{"a file name is empty", "文件名为空", "a file name is empty"},
    MessageEntry{"expects FILE and OUT", "需要 FILE 和 OUT", "expects FILE and OUT"},
    MessageEntry{"a file name", "一个文件名", "a file name"},
    MessageEntry{"a directory", "一个目录", "a directory"},
    MessageEntry{"a case name", "一个用例名称", "a case name"},
    MessageEntry{"a value", "一个值", "a value"},

};

}  // namespace

std::span<const MessageEntry> MessageTable::Entries() {
    return kEntries;
}

}  // namespace rungpad

#include "convert/ConvertError.h"

#include <cstdio>

#include <array>

#include "model/Messages.h"

namespace rungpad {

namespace {

// Indexed by code - 1001. Codes without a text keep the spaces the controller side shows.
constexpr std::array<std::string_view, 41> kMessages{
    "1001 继电器或者线圈的地址未设定",
    "1002 输入代码的功能指令不存在",
    "1003 功能指令COM/COME未正确使用",
    "1004 用户梯形图超出最大允许行数或者步数",
    "1005 功能指令END1或END2未正确使用",
    "1006 网络中存在非法的输出",
    "1007 硬件故障或者系统中断错误导致PLC无法通信",
    "1008 功能指令未正确连接",
    "1009 网络水平线未连上",
    "1010 在编辑梯形图时断电导致在编辑的网络丢失",
    "1011 地址数据未正确输入",
    "1012 输入符号未定义或者输入地址超出范围",
    "1013 指定了非法字符",
    "1014 CTR地址重复",
    "1015 功能指令JMP/LBL未正确处理或者超出容量",
    "1016 网络结构不完整",
    "1017 出现当前不支持的网络结构",
    "1018 网络出现悬空节点",
    "1019 TMR地址重复",
    "1020 功能指令中缺少参数",
    "1021 PLC执行超时,系统自动停止PLC",
    "1022 请输入功能指令名",
    "1023 存在有不必要的继电器或线圈",
    "1024 ",
    "1025 功能指令未正确输出",
    "1026 网络连接行数超出支持范围",
    "1027 同一输出地址被重复使用",
    "1028      ",
    "1029      ",
    "1030 网络中有不正确的垂直线",
    "1031 用户数据区已满,请减少COD指令数据表容量",
    "1032 梯形图的第一级太大,不能及时执行完毕",
    "1033 SFT指令超出最大允许使用数",
    "1034 功能指令DIFU/DIFD未正确使用",
    "1035      ",
    "1036      ",
    "1037      ",
    "1038      ",
    "1039 指令或网络不在可执行范围内",
    "1040 功能指令CALL/SP/SPE未正确使用",
    "1041 水平导通线与节点网络并联.",
};

}  // namespace

std::string_view ConvertError::MessageOf(int code) {
    if (code < kFirstCode || code > kLastCode) {
        return {};
    }
    return kMessages[static_cast<std::size_t>(code - kFirstCode)];
}

namespace {

// The report line; a language may order its words differently, so it is one text.
constexpr std::string_view kReport = "梯图第%1行  错误代号 %2";

// The ladder line number of text read by one language's form of the report line; -1 when the
// text is not such a line.
int LineOfReportIn(std::string_view text, const Language language) {
    const std::string_view form = Messages::Text(kReport, language);
    const std::size_t one = form.find("%1");
    const std::size_t two = form.find("%2");
    const std::string_view head = form.substr(0, one);
    const std::string_view tail = form.substr(one + 2, two - one - 2);
    if (!text.starts_with(head)) {
        return -1;
    }
    text.remove_prefix(head.size());
    long long number = 0;
    std::size_t digits = 0;
    while (digits < text.size() && digits < 9 && text[digits] >= '0' && text[digits] <= '9') {
        number = number * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0 || !text.substr(digits).starts_with(tail) || number < 1) {
        return -1;
    }
    return static_cast<int>(number - 1);
}

}  // namespace

std::string ConvertError::FormatReport(std::int64_t line, int code) {
    return FormatReport(line, code, Language::Original);
}

std::string ConvertError::FormatReport(std::int64_t line, int code, const Language language) {
    char number[32];
    std::snprintf(number, sizeof number, "%04lld", static_cast<long long>(line) + 1);
    return Messages::Fill(Messages::Text(kReport, language),
                          {number, Messages::Text(MessageOf(code), language)});
}

int ConvertError::LineOfReport(const std::string_view text) {
    for (const Language language : {Language::Original, Language::Chinese, Language::English}) {
        const int line = LineOfReportIn(text, language);
        if (line >= 0) {
            return line;
        }
    }
    return -1;
}

}  // namespace rungpad

#include "edit/ItemSetRules.h"

#include <algorithm>

#include "model/FuncInstrTable.h"
#include "model/LadCell.h"
#include "model/Messages.h"

namespace rungpad {

int ItemSetRules::CatalogueIndex(std::uint16_t code) {
    const int high = code >> 8;
    if (high < 0x10) {
        return -1;
    }
    const int h = high - 0x10;
    const int index = (h / 16) * 10 + h % 16;
    return index < FuncInstrTable::kCount ? index : -1;
}

std::string_view ItemSetRules::Caption(std::uint16_t code) {
    switch (code) {
        case Element::kNcContact:
            return Messages::Text("normally closed contact");
        case Element::kNoContact:
            return Messages::Text("normally open contact");
        case Element::kCoil:
            return Messages::Text("output coil");
        case Element::kNegCoil:
            return Messages::Text("reverse output coil");
        default:
            break;
    }
    const bool parameter =
        Element::IsBoxCell(code) && Element::BoxRow(code) == 0 && Element::BoxColumn(code) != 0;
    const int index = CatalogueIndex(code);
    if ((!Element::IsCodt(code) && !parameter) || index < 0) {
        return {};
    }
    const int slot = std::clamp((code & 0xFF) - 1, 0, 4);
    // Held in FuncInstrTable as the originals; a test keeps every one in the message table.
    return Messages::Text(FuncInstrTable::At(index).labels[static_cast<std::size_t>(slot)]);
}

ItemSetRules::Picture ItemSetRules::PictureOf(std::uint16_t code) {
    switch (code) {
        case Element::kEmpty:
        case Element::kHLine:
            return Picture::kNone;
        case Element::kNoContact:
            return Picture::kNoContact;
        case Element::kNcContact:
            return Picture::kNcContact;
        case Element::kCoil:
            return Picture::kCoil;
        case Element::kNegCoil:
            return Picture::kNegCoil;
        default:
            return Picture::kInstructionName;
    }
}

std::string_view ItemSetRules::InstructionName(std::uint16_t code) {
    const int index = CatalogueIndex(code);
    return index < 0 ? std::string_view{} : FuncInstrTable::At(index).name;
}

}  // namespace rungpad

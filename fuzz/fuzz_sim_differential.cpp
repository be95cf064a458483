// The scan engine against the grid evaluator on contact networks drawn from the input bytes:
// the bytes choose the layout (series and parallel blocks nested four deep, contacts, parallel
// coils) and then the inputs of every scan. Every coil must agree after every scan.

#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"
#include "GridBuilder.h"
#include "RandomNetwork.h"
#include "convert/LadConvert.h"
#include "model/PlcAddress.h"
#include "sim/GridEvaluator.h"
#include "sim/ScanEngine.h"

using namespace rungpad;

namespace {

// Reads the input bytes in turn; zeros once they are used up.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    int Next(int bound) { return bound <= 1 ? 0 : Byte() % bound; }
    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader reader(data, size);
    test::RandomNetwork generator([&reader](int n) { return reader.Next(n); }, 4);
    std::vector<std::string> lines = generator.Program(1 + reader.Next(4));
    lines.push_back("- - - - [END1] - - -");
    lines.push_back("- - - - [END2] - - -");
    LadProgram program = test::GridBuilder::Build(lines);
    CLadConvert convert(&program);
    convert.ClearErrors();
    if (convert.Convert() != CLadConvert::kConvertSucceeded) {
        return 0;
    }
    ScanEngine engine;
    std::string message;
    fuzz::Require(engine.Load(convert, message), "a converted contact network loads");
    SignalMemory oracle;
    for (int scan = 0; scan < 8; ++scan) {
        for (std::uint16_t x = 0x8090; x <= 0x8091; ++x) {
            const std::uint8_t value = reader.Byte();
            engine.Memory().WriteByte(x, value);
            oracle.WriteByte(x, value);
        }
        fuzz::Require(engine.Scan(), "a contact network scans");
        GridEvaluator::RunCoilNetworks(program, oracle);
        for (const std::string& coil : generator.Coils()) {
            const EncodedAddress a = PlcAddress::EncodeAddress(coil);
            fuzz::Require(engine.Memory().Bit(a.operand, a.mask) == oracle.Bit(a.operand, a.mask),
                          "engine and grid evaluator agree on every coil");
        }
    }
    return 0;
}

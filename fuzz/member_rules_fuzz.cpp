// Member rules on random class text: adding a data member, a member function, an operator or a
// copy constructor never throws, inserts one header line (two when the marker line is missing),
// appends the documented definition block and adds the documented list entries.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "members/definition_block.h"
#include "members/members.h"
#include "members/skeleton.h"

namespace {

using tav::fuzz::require;

// What one call should add.
struct Growth {
    const char* marker = "public:";
    std::size_t sourceLines = 0;
    std::size_t functionEntries = 0;
    std::size_t dataEntries = 0;
};

std::string symbolFrom(FuzzedDataProvider& input) {
    static const char* const kListed[] = {
        "<<", ">>", "!=", "<", "<=", "==", ">", ">=", "-", "--", "*", "+", "++", "=", "[]"};
    if (input.ConsumeBool()) return kListed[input.ConsumeIntegralInRange(0, 14)];
    return input.ConsumeRandomLengthString(4);
}

// Runs one member rule chosen by the input and returns what it should have added.
Growth addOneMember(FuzzedDataProvider& input, tav::ClassText& cls) {
    static const char* const kMarkers[] = {"private:", "protected:", "public:"};
    Growth growth;
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            tav::DataMemberInput member;
            member.access = static_cast<tav::Access>(input.ConsumeIntegralInRange(0, 2));
            member.type = input.ConsumeRandomLengthString(12);
            member.name = input.ConsumeRandomLengthString(12);
            growth.marker = kMarkers[static_cast<int>(member.access)];
            growth.dataEntries = 1;
            tav::addDataMember(cls, member);
            break;
        }
        case 1: {
            tav::FunctionInput function;
            function.access = static_cast<tav::Access>(input.ConsumeIntegralInRange(0, 2));
            function.isVirtual = input.ConsumeBool();
            function.isPureVirtual = input.ConsumeBool();
            function.returnType = input.ConsumeRandomLengthString(12);
            function.name = input.ConsumeRandomLengthString(12);
            function.arguments = input.ConsumeRandomLengthString(12);
            growth.marker = kMarkers[static_cast<int>(function.access)];
            // Pure virtual: no block. Both flags set: no block and no entry either.
            growth.sourceLines = function.isPureVirtual ? 0 : 10;
            growth.functionEntries = function.isVirtual && function.isPureVirtual ? 0 : 1;
            tav::addMemberFunction(cls, function);
            break;
        }
        case 2: {
            tav::OperatorInput op;
            op.kind = static_cast<tav::OperatorKind>(input.ConsumeIntegralInRange(0, 2));
            op.symbol = symbolFrom(input);
            const std::string& p = op.symbol;
            const bool stream = p == "<<" || p == ">>";
            const bool comparison =
                p == "<" || p == ">" || p == "==" || p == "<=" || p == ">=" || p == "!=";
            const bool pure = op.kind == tav::OperatorKind::PureVirtual;
            growth.sourceLines = pure ? 0 : (stream ? 11 : 10);
            growth.functionEntries = pure && (stream || comparison) ? 0 : 1;
            tav::addOperator(cls, op);
            break;
        }
        default:
            growth.sourceLines = 10;
            growth.functionEntries = 1;
            tav::addCopyConstructor(cls);
            break;
    }
    return growth;
}

std::vector<std::string> linesFrom(FuzzedDataProvider& input, const std::string& className,
                                   std::size_t most) {
    std::vector<std::string> lines(input.ConsumeIntegralInRange<std::size_t>(0, most));
    for (std::string& line : lines) {
        switch (input.ConsumeIntegralInRange(0, 4)) {
            case 0:
                line = "private:";
                break;
            case 1:
                line = "PROTECTED:";
                break;
            case 2:
                line = "Public:";
                break;
            case 3:
                line = className;
                break;
            default:
                line = input.ConsumeRandomLengthString(16);
                break;
        }
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string className = input.ConsumeRandomLengthString(12);
    const std::vector<std::string> headerBefore = linesFrom(input, className, 16);
    const std::vector<std::string> sourceBefore = linesFrom(input, className, 4);
    tav::VectorLineList header(headerBefore);
    tav::VectorLineList source(sourceBefore);
    std::vector<std::string> functions{"earlier entry"};
    std::vector<std::string> dataEntries;
    tav::ClassText cls{header, source, functions, dataEntries, className};

    Growth growth;
    try {
        growth = addOneMember(input, cls);
    } catch (...) {
        require(false, "member rules never throw");
    }

    const bool hasMarker =
        tav::fuzz::firstLineIgnoringCase(headerBefore, growth.marker).has_value();
    require(header.count() == headerBefore.size() + (hasMarker ? 1 : 2),
            "one header line, two when the marker line is missing");
    require(source.count() == sourceBefore.size() + growth.sourceLines,
            "the documented number of source lines is appended");
    require(std::equal(sourceBefore.begin(), sourceBefore.end(), source.lines().begin()),
            "the source lines above the block stay as they were");
    require(functions.size() == 1 + growth.functionEntries && functions.front() == "earlier entry",
            "the documented number of function entries is added at the end");
    require(dataEntries.size() == growth.dataEntries, "only a data member adds a data entry");
    if (growth.sourceLines > 0) {
        const std::size_t first = sourceBefore.size();
        require(source.line(first).empty() && source.line(first + 1) == tav::kSeparatorLine &&
                    source.line(source.count() - 1) == tav::kSeparatorLine,
                "a block opens with an empty line and a separator and ends with a separator");
        require(functions.back() == source.line(first + 5), "the block's head is the new entry");
    }
    return 0;
}

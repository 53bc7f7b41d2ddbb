// barcode-print: the command-line renderer of the Linux build.
//
//   barcode-print --types        lists the barcode types the system knows
//   barcode-print --type CODE    shows the type that a "C=" code selects
#include "catalog/Translate.h"
#include "typetable/BarcodeTypeTable.h"

#include <cstdio>
#include <cstring>

namespace {

void PrintTypeRow(const BarcodeTypeInfo& row) {
    std::printf("%3d  %-8s %-20s %-9s %d\n", row.id, row.code, row.longName,
                row.checkDigitMode > 0   ? "optional"
                : row.checkDigitMode < 0 ? "always"
                                         : "none",
                row.defaultBlankTrim);
}

int ListTypes() {
    std::printf(" id  code     name                 check     blank trim\n");
    for (const BarcodeTypeInfo* row = BarcodeTypeTable; row->code != nullptr; ++row)
        PrintTypeRow(*row);
    return 0;
}

int ShowType(const char* code) {
    if (const BarcodeTypeInfo* row = FindTypeRowByCode(code)) {
        PrintTypeRow(*row);
        return 0;
    }
    int length = static_cast<int>(std::strcspn(code, ","));
    std::fprintf(stderr, GetText(501, 128, false), length, length, code);
    std::fputc('\n', stderr);
    return 1;
}

int Usage() {
    std::fprintf(stderr, "usage: barcode-print --types\n"
                         "       barcode-print --type CODE\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--types") == 0) return ListTypes();
    if (argc == 3 && std::strcmp(argv[1], "--type") == 0) return ShowType(argv[2]);
    return Usage();
}

// The predefined contents of the tree and the tree of an SAP import.
#include "PredefinedTree.h"

#include "NamedCodeTreeElement.h"
#include "TreeImages.h"
#include "catalog/Translate.h"

#include <iterator>
#include <memory>

namespace {

// Catalog entries of the definitions' barcode types and rotations.
enum : int {
    kTypeUndefined = 107, // most system barcodes leave the symbology to the print control
    kTypeCode128B = 109,
    kTypePostnet = 110,
    kTypeCode39 = 111,
    kTypeTwoOfFive = 112,
    kTypeCode128 = 113,
    kRotationNone = 108,
    kRotationQuarter = 114,
};

struct DefinitionRow {
    int minCharacters, maxCharacters;
    double width, height;
    int type, rotation;
};

// System barcode definition i: name (201, 34 + i), description (201, 70 + i).
constexpr DefinitionRow kDefinitions[] = {
    {1, 10, 4.8, 1.2, kTypeUndefined, kRotationNone},    // 0
    {1, 8, 4.8, 1.2, kTypeUndefined, kRotationNone},     // 1
    {1, 20, 5.0, 2.0, kTypeUndefined, kRotationNone},    // 2
    {1, 40, 7.0, 1.3, kTypeCode128B, kRotationNone},     // 3
    {1, 40, 9.0, 1.3, kTypeUndefined, kRotationNone},    // 4
    {1, 40, 5.0, 1.3, kTypeUndefined, kRotationNone},    // 5
    {1, 40, 9.0, 1.3, kTypeUndefined, kRotationNone},    // 6
    {12, 12, 5.0, 1.3, kTypeUndefined, kRotationNone},   // 7
    {7, 7, 3.0, 1.3, kTypeUndefined, kRotationNone},     // 8
    {1, 40, 9.0, 1.3, kTypeUndefined, kRotationNone},    // 9
    {2, 26, 5.0, 1.3, kTypeUndefined, kRotationNone},    // 10
    {1, 25, 5.0, 1.3, kTypeUndefined, kRotationNone},    // 11
    {1, 10, 4.0, 1.2, kTypeUndefined, kRotationNone},    // 12
    {1, 14, 9.0, 1.3, kTypeUndefined, kRotationNone},    // 13
    {1, 14, 9.0, 1.3, kTypeUndefined, kRotationNone},    // 14
    {1, 14, 9.0, 1.3, kTypeUndefined, kRotationNone},    // 15
    {1, 14, 9.0, 1.3, kTypeUndefined, kRotationNone},    // 16
    {11, 11, 7.0, 0.3, kTypePostnet, kRotationNone},     // 17
    {5, 5, 4.0, 0.3, kTypeUndefined, kRotationNone},     // 18
    {9, 9, 6.5, 0.3, kTypeUndefined, kRotationNone},     // 19
    {1, 15, 4.0, 0.5, kTypeCode39, kRotationNone},       // 20
    {1, 15, 4.0, 0.5, kTypeCode39, kRotationQuarter},    // 21
    {1, 15, 4.0, 0.5, kTypeTwoOfFive, kRotationNone},    // 22
    {1, 15, 4.0, 0.5, kTypeTwoOfFive, kRotationQuarter}, // 23
    {1, 15, 4.0, 0.5, kTypeCode128, kRotationNone},      // 24
    {1, 15, 4.0, 0.5, kTypeCode128, kRotationQuarter},   // 25
    {1, 15, 4.0, 0.5, kTypeCode128, kRotationNone},      // 26
    {1, 15, 4.0, 0.5, kTypeCode128, kRotationQuarter},   // 27
    {10, 10, 4.8, 1.2, kTypeUndefined, kRotationNone},   // 28
    {6, 6, 4.8, 1.2, kTypeUndefined, kRotationNone},     // 29
    {10, 10, 5.0, 2.0, kTypeUndefined, kRotationNone},   // 30
    {10, 14, 5.0, 1.2, kTypeUndefined, kRotationNone},   // 31
    {10, 10, 4.8, 1.2, kTypeUndefined, kRotationNone},   // 32
    {4, 4, 4.8, 1.2, kTypeUndefined, kRotationNone},     // 33
    {8, 14, 4.8, 1.2, kTypeUndefined, kRotationNone},    // 34
    {10, 10, 8.0, 1.2, kTypeUndefined, kRotationNone},   // 35
};
static_assert(std::size(kDefinitions) == kPredefinedDefinitionCount);

constexpr int kDefinitionNames = 34, kDefinitionDescriptions = 70, kDefinitionUnit = 106;
constexpr int kPrintControlKind = 116;

// The named codes' texts: three runs of consecutive entries, with the two
// later additions (k = 3 and k = 18) at the end of the module.
constexpr PredefinedNamedCodeTexts kLaterNamedCodes[] = {{193, 194, 195}, {196, 197, 198}};
constexpr int kPrintControlOffset = 24, kCommandOffset = 48;

PredefinedNamedCodeTexts Consecutive(int n) {
    return {n, n + kPrintControlOffset, n + kCommandOffset};
}

// A node built from the catalog is neither new nor renamed.
template <typename Node> std::unique_ptr<Node> NodeNamed(const char* name) {
    auto node = std::make_unique<Node>();
    node->SetName(name);
    node->SetNewOrNameChanged(false);
    return node;
}

std::unique_ptr<CNamedCodeDefinitionTreeElement> PredefinedDefinition(int i) {
    const DefinitionRow& row = kDefinitions[i];
    auto definition =
        NodeNamed<CNamedCodeDefinitionTreeElement>(GetText(201, kDefinitionNames + i, true));
    definition->description = GetText(201, kDefinitionDescriptions + i, false);
    definition->minCharacters = row.minCharacters;
    definition->maxCharacters = row.maxCharacters;
    definition->width = row.width;
    definition->height = row.height;
    definition->widthUnit = definition->heightUnit = GetText(201, kDefinitionUnit, true);
    definition->sapBarcodeType = GetText(201, row.type, true);
    definition->rotation = GetText(201, row.rotation, true);
    definition->checkDigit = 0;
    definition->verticalAlignment = 0;
    return definition;
}

std::unique_ptr<CNamedCodeTreeElement> NamedCode(const char* name, const char* command,
                                                 bool readOnly) {
    auto code = NodeNamed<CNamedCodeTreeElement>(name);
    code->SetSavedCommand(command);
    code->SetReadOnly(readOnly);
    code->SetImages(kNamedCodeImage, kNamedCodeImage);
    return code;
}

std::unique_ptr<CConfigTreeElement> Configuration(const char* name, bool readOnly) {
    auto config = NodeNamed<CConfigTreeElement>(name);
    config->SetReadOnly(readOnly);
    config->SetImported(false);
    config->SetImages(kConfigImage, kConfigImage);
    return config;
}

void AddPredefinedNamedCodes(CConfigTreeElement& config, bool readOnly) {
    for (int k = 0; k < kPredefinedNamedCodeCount; ++k) {
        PredefinedNamedCodeTexts texts = PredefinedNamedCodeEntries(k);
        auto code =
            NamedCode(GetText(201, texts.name, true), GetText(201, texts.command, true), readOnly);
        code->SetPrintControlName(GetText(201, texts.printControlName, true));
        code->SetPrintControlKind(GetText(201, kPrintControlKind, true));
        config.AddChild(std::move(code));
    }
}

void AddPredefinedDefinitions(CTreeList& list) {
    for (int i = 0; i < kPredefinedDefinitionCount; ++i)
        list.AddDefinition(PredefinedDefinition(i));
}

// "Default Values" with the test dialog's command, then "Predefined".
void AddDefaultAndPredefinedConfigurations(CTreeList& list, const std::string& currentCommand,
                                           bool configurationsReadOnly) {
    auto defaults = Configuration(GetText(201, 2, false), configurationsReadOnly);
    defaults->AddChild(NamedCode(GetText(201, 3, true), currentCommand.c_str(), true));
    list.AddConfiguration(std::move(defaults));
    auto predefined = Configuration(GetText(201, 4, false), configurationsReadOnly);
    AddPredefinedNamedCodes(*predefined, true);
    list.AddConfiguration(std::move(predefined));
}

} // namespace

PredefinedNamedCodeTexts PredefinedNamedCodeEntries(int k) {
    if (k < 0 || k >= kPredefinedNamedCodeCount) return {0, 0, 0};
    if (k <= 2) return Consecutive(117 + k);
    if (k == 3) return kLaterNamedCodes[0];
    if (k <= 17) return Consecutive(116 + k);
    if (k == 18) return kLaterNamedCodes[1];
    return Consecutive(115 + k);
}

CTreeList BuildPredefinedTree(const std::string& currentCommand) {
    CTreeList list;
    AddPredefinedDefinitions(list);
    auto editable = Configuration(GetText(201, 1, false), false);
    AddPredefinedNamedCodes(*editable, false);
    // The export sends the first configuration of the predefined tree.
    editable->SetMarkedForExport(true);
    list.SetCurrentConfiguration(list.AddConfiguration(std::move(editable)));
    AddDefaultAndPredefinedConfigurations(list, currentCommand, true);
    return list;
}

bool BuildImportedTree(CTreeList& list, TreeView& view, SapConnection& connection,
                       const std::string& currentCommand) {
    CTreeList imported;
    auto config = Configuration(GetText(201, 189, false), false);
    config->SetImported(true);
    CConfigTreeElement* target = imported.AddConfiguration(std::move(config));
    if (!target->ImportFromSap(view, kNoItem, connection, imported)) return false;
    imported.SetCurrentConfiguration(target);
    AddDefaultAndPredefinedConfigurations(imported, currentCommand, false);
    list = std::move(imported);
    return true;
}

TreeMessage StartImportFailureMessage(const std::string& rfcErrorText) {
    return {GetText(210, 9, false) + rfcErrorText, GetText(210, 10, false)};
}

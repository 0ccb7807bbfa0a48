// The fixed model knowledge: model table, default model, supported models.
#include <iterator>

#include "routing/ModelTable.h"

namespace zurouting {
namespace {

constexpr ModelRow kModels[] = {
    {"Q101", 0x1A01, kLem},    {"Q102", 0x1A02, kLem},    {"Q103", 0x1A03, kLem},
    {"Q104", 0x1A04, kLem},    {"Q105", 0x1B01, kKa},     {"Q106", 0x1B02, kKa},
    {"Q107", 0x1B03, kKa},     {"Q108", 0x1B04, kKa},     {"Q109", 0x1B05C4C4, kKa},
    {"Q110", 0x1B06C4C4, kKa}, {"Q111", 0x1B07C4C4, kKa}, {"Q112", 0, kKa},
    {"Q113", 0, kKa},          {"Q114", 0, kKa},          {"Q115", 0, kKa},
    {"Q116", 0, kKa},          {"Q117", 0, kKa},          {"Q118_RevA", 0x1C01, kTov},
    {"Q118", 0x1C02, kTov},    {"Q119", 0x1C03, kTov},    {"Q120", 0x1C04, kTov},
    {"Q121", 0x1C05, kTov},    {"Q122", 0x1C06, kTov},    {"Q123", 0x1C05, kTov},
    {"Q124", 0x1C07, kTov},    {"Q125", 0x1C08, kPil},    {"Q126", 0x1C09, kTov},
    {"Q127", 0x1C0A, kTov},    {"Q128", 0x1C0B, kTov},
};
static_assert(std::size(kModels) == 29);

constexpr ModelRow kDefaultModel = {"Q117", 0, kKa};

constexpr SupportedModelsRow kSupportedModels[] = {
    {kKa, "zuVEXAka",
     "ZU PXIe-Q109, ZU PXIe-Q117 (14GHz), ZU PXIe-Q117 (26.5GHz), ZU PXIe-Q117, ZU PXIe-Q125"},
    {kTov, "zuVEXAtov",
     "ZU PXIe-Q118, ZU PXIe-Q126, ZU PXIe-Q126 with ZU PXIe-Q129, ZU PXIe-Q124, ZU PXIe-Q123, "
     "ZU PXIe-Q123 with ZU PXIe-Q130, ZU PXIe-Q122, ZU PXIe-Q122 with ZU PXIe-Q130"},
};

} // namespace

ModelRows ModelTable() { return {std::begin(kModels), std::end(kModels)}; }

void DefaultModel(ModelRow &row) { row = kDefaultModel; }

SupportedModelsRows SupportedModels() { return {std::begin(kSupportedModels), std::end(kSupportedModels)}; }

} // namespace zurouting

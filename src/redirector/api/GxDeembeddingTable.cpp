// The graphical environment's form of creating a de-embedding table from
// arrays: it takes the environment's array handles, checks their dimensions
// and forwards their data with the sizes the module expects.
#include <cstdint>
#include <cstring>

#include "platform/IviEngine.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"
#include "status/StatusCodes.h"

namespace zuapi {
namespace {

// A graphical-environment array: a handle points to a pointer to a block of
// signed 32-bit dimension sizes, followed by the elements aligned to 8 bytes.
template <int Rank> struct ArrayView {
  ViInt32 sizes[Rank] = {};
  const void *data = nullptr;
};

template <int Rank> bool ReadArray(void *handle, ArrayView<Rank> &view) {
  if (handle == nullptr) return false;
  const auto *block = *static_cast<const unsigned char *const *>(handle);
  if (block == nullptr) return false;
  std::memcpy(view.sizes, block, sizeof view.sizes);
  constexpr size_t kDataOffset = (sizeof view.sizes + 7) / 8 * 8;
  view.data = block + kDataOffset;
  return true;
}

struct TableArguments {
  const ViReal64 *frequencies = nullptr;
  ViInt32 frequencyCount = 0;
  const ZUComplexNumber *table = nullptr;
  ViInt32 tableSize = 0; // complex values: frequencies x ports x ports
  ViInt32 numberOfPorts = 0;
};

// One frequency per table row, square port matrices, and a value count
// that fits the module's 32-bit size.
bool DescribeTable(void *frequencies, void *sparameterTable, TableArguments &args) {
  ArrayView<1> frequencyArray;
  ArrayView<3> tableArray;
  if (!ReadArray(frequencies, frequencyArray) || !ReadArray(sparameterTable, tableArray)) return false;
  const ViInt32 count = frequencyArray.sizes[0];
  const ViInt32 ports = tableArray.sizes[1];
  if (count < 0 || ports < 0 || count != tableArray.sizes[0] || ports != tableArray.sizes[2]) return false;
  const int64_t values = int64_t{count} * ports * ports;
  if (values > INT32_MAX) return false;
  args = {static_cast<const ViReal64 *>(frequencyArray.data), count,
          static_cast<const ZUComplexNumber *>(tableArray.data), static_cast<ViInt32>(values), ports};
  return true;
}

ViStatus CreateTable(ViSession vi, ViConstString port, ViConstString tableName, void *frequencies,
                     void *sparameterTable, ViInt32 sparameterOrientation) {
  TableArguments args;
  if (!DescribeTable(frequencies, sparameterTable, args)) {
    Ivi_SetErrorInfo(vi, VI_FALSE, ZUVEXA_ERROR_ARRAY_DIMENSIONS, 0, nullptr);
    return ZUVEXA_ERROR_ARRAY_DIMENSIONS;
  }
  return ForwardUntraced<&zumodules::EntryPointSlots::CreateDeembeddingSparameterTableArray>(
      vi, port, tableName, args.frequencies, args.frequencyCount, args.table, args.tableSize,
      args.numberOfPorts, sparameterOrientation);
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus GX_zuVEXA_CreateDeembeddingSparameterTableArray(ViSession vi, ViConstString port,
                                                         ViConstString tableName, void *frequencies,
                                                         void *sparameterTable,
                                                         ViInt32 sparameterOrientation) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::GX_zuVEXA_CreateDeembeddingSparameterTableArray>(
        vi,
        [&] { return CreateTable(vi, port, tableName, frequencies, sparameterTable, sparameterOrientation); },
        vi, port, tableName, frequencies, sparameterTable, sparameterOrientation);
  });
}

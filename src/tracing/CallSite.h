// What a traced exported function tells the trace about itself: its trace
// identifier, its traced name and, for every parameter of its catalogue row,
// the name, type code, size and role. CallSites.h builds one per export.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "redirector/catalogue/CatalogueMacros.h"
#include "tracing/TypeCodes.h"
#include "zuVEXAtypes.h"

namespace zutrace {

using zu::catalogue::Role;

struct ParamInfo {
  const char *name;
  const char *starName; // "*" and the name: a single output value on return
  std::string_view type;
  Role role;
  std::string_view countName; // the size or count parameter ("" or "0" for none)
  int32_t valueSize;          // bytes of the argument itself
  int32_t elementSize;        // bytes of what a pointer argument points to (0 for void)
  TypeCode callCode;
  TypeCode returnCode;
  int countIndex = -1; // index of the count parameter in the row
};

struct CallSite {
  int32_t traceId;
  const char *name;
  const ParamInfo *params;
  int paramCount;
  int viIndex;        // the ViSession parameter "vi", or -1
  int attributeIndex; // "attributeId", or -1
  int attributeAfter; // "dummyattr" follows this parameter, or -1
  int waveformIndex;  // the WaveformInfo output, or -1
  // Graphical-environment fetches: the I16 array handle "dataArrPtr" and the
  // waveform-information cluster "wfmInfo" (32-bit actualSamples in the
  // _32Bit forms), or -1.
  int gxArrayIndex;
  int gxInfoIndex;
  bool gxInfo32Bit;
};

inline constexpr int kUntraced = ZU_UNTRACED;

template <class T> constexpr int32_t PointeeSize() {
  if constexpr (std::is_pointer_v<T>) {
    using Element = std::remove_cv_t<std::remove_pointer_t<T>>;
    if constexpr (std::is_void_v<Element> || std::is_function_v<Element>)
      return 0;
    else
      return sizeof(Element);
  } else {
    return 0;
  }
}

template <class T>
constexpr ParamInfo MakeParam(const char *name, const char *starName, std::string_view type, Role role,
                              std::string_view countName) {
  const bool isArray = role == Role::InArr || role == Role::OutArr;
  return {name,
          starName,
          type,
          role,
          countName,
          static_cast<int32_t>(sizeof(T)),
          PointeeSize<T>(),
          CallTimeCode(type),
          ReturnCode(type, isArray)};
}

constexpr int IndexOf(const ParamInfo *params, std::size_t count, std::string_view name) {
  for (std::size_t i = 0; i < count; ++i)
    if (name == params[i].name) return static_cast<int>(i);
  return -1;
}

// The row's parameters with their count parameters resolved.
template <std::size_t N> constexpr std::array<ParamInfo, N> ResolveCounts(std::array<ParamInfo, N> params) {
  for (auto &param : params) param.countIndex = IndexOf(params.data(), N, param.countName);
  return params;
}

// The traced name: graphical-environment forms trace without "GX_".
constexpr const char *TracedName(const char *exportName) {
  return std::string_view(exportName).starts_with("GX_") ? exportName + 3 : exportName;
}

template <std::size_t N>
constexpr CallSite MakeSite(int32_t traceId, const char *exportName, const std::array<ParamInfo, N> &params) {
  const ParamInfo *p = params.data();
  int vi = IndexOf(p, N, "vi");
  if (vi >= 0 && params[vi].type != "ViSession") vi = -1;
  bool hasArray = false;
  int waveform = -1;
  for (std::size_t i = 0; i < N; ++i) {
    hasArray = hasArray || params[i].role == Role::InArr || params[i].role == Role::OutArr;
    if (params[i].type == "WaveformInfo*") waveform = static_cast<int>(i);
  }
  const int attribute = IndexOf(p, N, "attributeId");
  const int after = attribute < 0 ? -1 : hasArray ? IndexOf(p, N, "channelName") : vi;
  int gxInfo = IndexOf(p, N, "wfmInfo");
  if (gxInfo >= 0 && params[gxInfo].type != "void*") gxInfo = -1;
  const int samples = IndexOf(p, N, "numberOfSamples");
  const bool info32Bit = samples >= 0 && params[samples].type == "ViInt32";
  return {traceId,
          TracedName(exportName),
          p,
          static_cast<int>(N),
          vi,
          attribute,
          after,
          waveform,
          IndexOf(p, N, "dataArrPtr"),
          gxInfo,
          info32Bit};
}

} // namespace zutrace

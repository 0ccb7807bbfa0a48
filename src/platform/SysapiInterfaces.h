// Binary interface of the system configuration library (libzusysapi.so) as
// this library uses it: reference-counted objects whose operations sit at
// fixed positions of their virtual tables (position 0 is query-interface,
// 1 add-reference, 2 release). Positions this library never calls are
// declared as reserved so that every used operation lands on its position.
//
// Status values are 32-bit; negative means failure. Wide texts are wchar_t
// (32-bit units) terminated by 0. Texts the library returns are
// length-prefixed: a 32-bit unit count, the units and a 0 unit, allocated
// with malloc and handed over as a pointer to the first unit; the receiver
// releases them with FreeSysText.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cwchar>

namespace sysapi {

using SysStatus = int32_t;

inline constexpr SysStatus kFailure = static_cast<SysStatus>(0x80004005);
inline constexpr SysStatus kNoInterface = static_cast<SysStatus>(0x80004002);
inline constexpr SysStatus kNullPointer = static_cast<SysStatus>(0x80004003);
inline constexpr SysStatus kOutOfMemory = static_cast<SysStatus>(0x8007000E);
inline constexpr SysStatus kPropertyAbsent = static_cast<SysStatus>(0x80040371);
inline constexpr SysStatus kNoSuchExpert = static_cast<SysStatus>(0x80040374);

struct Guid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
  bool operator==(const Guid &) const = default;
};

inline constexpr Guid kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr Guid kIidNotificationHandler = {
    0x3c565452, 0xf242, 0x4f35, {0xa4, 0xad, 0x22, 0xac, 0x69, 0xbd, 0x82, 0x1b}};
// The interface of a resource collection that filters it into an enumerator.
inline constexpr Guid kIidFilterableCollection = {
    0x2d244948, 0x3309, 0x40ff, {0x8d, 0x1f, 0x9d, 0x45, 0x33, 0x6a, 0xee, 0x72}};

// Property identifiers.
inline constexpr uint32_t kPropResourceName = 0x101D000;
inline constexpr uint32_t kPropAlias = 0x101F000;
inline constexpr uint32_t kPropSecondFilter = 0x1024000;
inline constexpr uint32_t kPropProductId = 0x1005000;
inline constexpr uint32_t kPropIsSimulated = 0x1009000;
inline constexpr uint32_t kPropBackendResource = 0x1070000;
inline constexpr uint32_t kPropHidden = 0x12000000;  // resource skipped when its value is 1
inline constexpr uint32_t kPropExcluded = 0x2002000; // resource skipped when present

class IUnknownLike {
public:
  virtual SysStatus QueryInterface(const Guid &iid, void **object) = 0; // 0
  virtual uint32_t AddRef() = 0;                                        // 1
  virtual uint32_t Release() = 0;                                       // 2
};

class ISysFilter : public IUnknownLike {
public:
  virtual SysStatus Reserved3() = 0;
  virtual SysStatus Reserved4() = 0;
  virtual SysStatus Reserved5() = 0;
  virtual SysStatus Reserved6() = 0;
  virtual SysStatus Reset() = 0; // 7
  virtual SysStatus Reserved8() = 0;
  virtual SysStatus SetIntegerProperty(uint32_t id, int32_t value) = 0; // 9
  virtual SysStatus Reserved10() = 0;
  virtual SysStatus Reserved11() = 0;
  virtual SysStatus Reserved12() = 0;
  virtual SysStatus SetTextProperty(uint32_t id, const wchar_t *text) = 0; // 13
};

class ISysResource : public IUnknownLike {
public:
  virtual SysStatus Reserved3() = 0;
  virtual SysStatus QueryPresence(uint32_t id) = 0; // 4: 0 when present
  virtual SysStatus Reserved5() = 0;
  virtual SysStatus Reserved6() = 0;
  virtual SysStatus Reserved7() = 0;
  virtual SysStatus Reserved8() = 0;
  virtual SysStatus Reserved9() = 0;
  virtual SysStatus Reserved10() = 0;
  virtual SysStatus Reserved11() = 0;
  virtual SysStatus Reserved12() = 0;
  virtual SysStatus Reserved13() = 0;
  virtual SysStatus Reserved14() = 0;
  virtual SysStatus GetInt32Property(uint32_t id, int32_t *value) = 0; // 15
  virtual SysStatus Reserved16() = 0;
  virtual SysStatus GetUInt32Property(uint32_t id, uint32_t *value) = 0; // 17
  virtual SysStatus Reserved18() = 0;
  virtual SysStatus Reserved19() = 0;
  // 20: a length-prefixed text; kPropertyAbsent when the resource lacks it.
  virtual SysStatus GetTextProperty(uint32_t id, wchar_t **text) = 0;
};

// Enumerates resources (items are ISysResource*) or, in change
// notifications, resource names (items are length-prefixed wide texts).
class ISysEnumerator : public IUnknownLike {
public:
  // 3: 0 while an item is delivered.
  virtual SysStatus Next(uint32_t count, void **item, uint32_t *fetched) = 0;
};

class ISysFilterableCollection : public IUnknownLike {
public:
  virtual SysStatus Reserved3() = 0;
  virtual SysStatus Reserved4() = 0;
  virtual SysStatus Reserved5() = 0;
  virtual SysStatus Reserved6() = 0;
  virtual SysStatus Reserved7() = 0;
  virtual SysStatus Reserved8() = 0;
  virtual SysStatus Reserved9() = 0;
  virtual SysStatus Filter(int32_t mode, ISysFilter *filter, ISysEnumerator **items) = 0; // 10
};

// The change observer the library registers (ImxSysNotificationHandler).
class INotificationHandler : public IUnknownLike {
public:
  // 3: the library calls this with a notification kind and the names of
  // the changed resources.
  virtual SysStatus Notify(void *ignored, uint32_t kind, ISysEnumerator *names) = 0;
};

class ISysFramework : public IUnknownLike {
public:
  virtual SysStatus Reserved3() = 0;
  // 4: 0 when resources were found, positive when none.
  virtual SysStatus FindResources(const wchar_t *expertList, int32_t mode, ISysFilter *filter,
                                  IUnknownLike **collection) = 0;
  virtual SysStatus Reserved5() = 0;
  virtual SysStatus GetResourceByName(const wchar_t *lengthPrefixedName, ISysResource **resource) = 0; // 6
  virtual SysStatus GetExpert(const wchar_t *expertPath, IUnknownLike **expert) = 0;                   // 7
  virtual SysStatus RegisterNotificationHandler(const wchar_t *expertList, INotificationHandler *handler,
                                                int32_t flags) = 0; // 8
  virtual SysStatus Reserved9() = 0;
  virtual SysStatus CreateFilter(ISysFilter **filter) = 0; // 10
};

// The library's one exported function.
using InstantiateFrameworkFn = SysStatus (*)(ISysFramework **framework);
inline constexpr const char kInstantiateFrameworkSymbol[] = "zusysInstantiateFramework";

// Length-prefixed texts.
inline wchar_t *AllocSysText(const wchar_t *units, uint32_t count) {
  auto *block = static_cast<uint32_t *>(std::malloc(sizeof(uint32_t) * (size_t(count) + 2)));
  if (block == nullptr) return nullptr;
  block[0] = count;
  auto *text = reinterpret_cast<wchar_t *>(block + 1);
  if (count != 0) std::wmemcpy(text, units, count);
  text[count] = L'\0';
  return text;
}
inline uint32_t SysTextLength(const wchar_t *text) {
  return text == nullptr ? 0 : reinterpret_cast<const uint32_t *>(text)[-1];
}
inline void FreeSysText(wchar_t *text) {
  if (text != nullptr) std::free(reinterpret_cast<uint32_t *>(text) - 1);
}

} // namespace sysapi

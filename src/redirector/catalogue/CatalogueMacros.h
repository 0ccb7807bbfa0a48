// Vocabulary of the catalogue rows (EntryPoints.def, Exports.def) and the
// helpers that expand their parameter triples.
//
// Row mark-up:
//   entry rows    ZU_SLOT, ZU_GX_SLOT, ZU_SLOT_AS (EntryPoints.def), all three
//                 expanding to the includer's ZU_ENTRY
//   forms         ZU_PLAIN, ZU_GX, ZU_BARE, ZU_ONLY(kinds)
//                 kinds: ZU_KA | ZU_LEM | ZU_VEY | ZU_TOV | ZU_PIL
//   export modes  ZU_FORWARDED, ZU_CUSTOM, ZU_NOT_EXPORTED
//   trace ids     a number, ZU_UNTRACED, or ZU_TRACED_WITHOUT_ID (traced, no id assigned)
//   roles         ZU_IN, ZU_STR, ZU_OUT, ZU_OUTTEXT(sizeParam), ZU_INARR(countParam),
//                 ZU_OUTARR(countParam), ZU_OPAQUE, ZU_OUTPTR (a count of 0: no parameter gives it)
//   entry member  a member of EntryPoints.def or ZU_NO_ENTRY
//
// None of these names is a macro. Forms, kinds, modes and trace ids are C++
// constants, so a row field can be used as a value; roles and ZU_NO_ENTRY are
// bare tokens. Because no mark-up token ever expands, a generator can branch on
// one by pasting it onto a prefix, however many macro layers it has crossed
// (see ZU_EXPORT_NAME, ZU_IF_EXPORTED, ZU_ROLE_KIND).
#pragma once

namespace zu::catalogue {

// What the library does with a parameter.
enum class Role {
  In,      // scalar input, traced by value
  Str,     // input text
  Out,     // pointer to one output value, traced as "*name" on return
  OutText, // caller text buffer; size in the named parameter
  InArr,   // input array; element count in the named parameter
  OutArr,  // output array; element count in the named parameter
  Opaque,  // passed on unchanged, never read, not traced as a value
  OutPtr,  // output pointer the library never reads
};

inline constexpr unsigned kFormOnlyFlag = 0x400u;
inline constexpr unsigned kFormKindMask = 0xFFu;

} // namespace zu::catalogue

// Module-kind bits: bit n stands for ModuleKind n.
inline constexpr unsigned ZU_KA = 1u << 1;
inline constexpr unsigned ZU_LEM = 1u << 2;
inline constexpr unsigned ZU_VEY = 1u << 4;
inline constexpr unsigned ZU_TOV = 1u << 5;
inline constexpr unsigned ZU_PIL = 1u << 6;

// Symbol forms: "<prefix><symbol>", "GX_<prefix><symbol>", "<symbol>", and the
// plain form resolved only for the given kinds.
inline constexpr unsigned ZU_PLAIN = 0x000u;
inline constexpr unsigned ZU_GX = 0x100u;
inline constexpr unsigned ZU_BARE = 0x200u;
constexpr unsigned ZU_ONLY(unsigned kinds) { return zu::catalogue::kFormOnlyFlag | kinds; }

constexpr bool ZuFormResolvesFor(unsigned form, unsigned kind) {
  return (form & zu::catalogue::kFormOnlyFlag) == 0 ||
         (((form & zu::catalogue::kFormKindMask) >> kind) & 1u) != 0;
}

inline constexpr int ZU_FORWARDED = 0;
inline constexpr int ZU_CUSTOM = 1;
inline constexpr int ZU_NOT_EXPORTED = 2;

inline constexpr int ZU_UNTRACED = -1;
inline constexpr int ZU_TRACED_WITHOUT_ID = -2;

// The three forms of an entry row, as one ZU_ENTRY(slot, member, symbol, form,
// exportMode, traceId, params...) of the includer.
#define ZU_SLOT(slot, name, ...) ZU_ENTRY(slot, name, name, __VA_ARGS__)
#define ZU_GX_SLOT(slot, symbol, ...) ZU_ENTRY(slot, GX_##symbol, symbol, ZU_GX, __VA_ARGS__)
#define ZU_SLOT_AS(slot, member, symbol, ...) ZU_ENTRY(slot, member, symbol, __VA_ARGS__)

#define ZU_CAT(a, b) ZU_CAT_(a, b)
#define ZU_CAT_(a, b) a##b
#define ZU_STRINGIZE(x) ZU_STRINGIZE_(x)
#define ZU_STRINGIZE_(x) #x

// Exported name of a slot row: zuVEXA_<symbol>, GX_zuVEXA_<symbol> or <symbol>.
#define ZU_EXPORT_NAME(form, symbol) ZU_XNAME_CAT(ZU_XNAME_, form)(symbol)
#define ZU_XNAME_CAT(a, b) a##b
#define ZU_XNAME_ZU_PLAIN(symbol) zuVEXA_##symbol
#define ZU_XNAME_ZU_GX(symbol) GX_zuVEXA_##symbol
#define ZU_XNAME_ZU_BARE(symbol) symbol
#define ZU_XNAME_ZU_ONLY(kinds) ZU_XNAME_ZU_PLAIN

// ZU_IF_EXPORTED(mode, tokens...): the tokens for ZU_FORWARDED and ZU_CUSTOM rows.
// ZU_IF_FORWARDED(mode, tokens...): the tokens for ZU_FORWARDED rows only.
#define ZU_IF_EXPORTED(mode, ...) ZU_MODE_CAT(ZU_IF_EXPORTED_, mode)(__VA_ARGS__)
#define ZU_IF_FORWARDED(mode, ...) ZU_MODE_CAT(ZU_IF_FORWARDED_, mode)(__VA_ARGS__)
#define ZU_MODE_CAT(a, b) a##b
#define ZU_IF_EXPORTED_ZU_FORWARDED(...) __VA_ARGS__
#define ZU_IF_EXPORTED_ZU_CUSTOM(...) __VA_ARGS__
#define ZU_IF_EXPORTED_ZU_NOT_EXPORTED(...)
#define ZU_IF_FORWARDED_ZU_FORWARDED(...) __VA_ARGS__
#define ZU_IF_FORWARDED_ZU_CUSTOM(...)
#define ZU_IF_FORWARDED_ZU_NOT_EXPORTED(...)

// ZU_ROLE_KIND(role): the zu::catalogue::Role value.
// ZU_ROLE_COUNT(role): name of the size/count parameter as a string literal ("" if none).
#define ZU_ROLE_KIND(role) ZU_ROLE_CAT(ZU_ROLE_KIND_, role)
#define ZU_ROLE_COUNT(role) ZU_ROLE_CAT(ZU_ROLE_COUNT_, role)
#define ZU_ROLE_CAT(a, b) a##b
#define ZU_ROLE_KIND_ZU_IN ::zu::catalogue::Role::In
#define ZU_ROLE_KIND_ZU_STR ::zu::catalogue::Role::Str
#define ZU_ROLE_KIND_ZU_OUT ::zu::catalogue::Role::Out
#define ZU_ROLE_KIND_ZU_OUTTEXT(size) ::zu::catalogue::Role::OutText
#define ZU_ROLE_KIND_ZU_INARR(count) ::zu::catalogue::Role::InArr
#define ZU_ROLE_KIND_ZU_OUTARR(count) ::zu::catalogue::Role::OutArr
#define ZU_ROLE_KIND_ZU_OPAQUE ::zu::catalogue::Role::Opaque
#define ZU_ROLE_KIND_ZU_OUTPTR ::zu::catalogue::Role::OutPtr
#define ZU_ROLE_COUNT_ZU_IN ""
#define ZU_ROLE_COUNT_ZU_STR ""
#define ZU_ROLE_COUNT_ZU_OUT ""
#define ZU_ROLE_COUNT_ZU_OUTTEXT(size) #size
#define ZU_ROLE_COUNT_ZU_INARR(count) #count
#define ZU_ROLE_COUNT_ZU_OUTARR(count) #count
#define ZU_ROLE_COUNT_ZU_OPAQUE ""
#define ZU_ROLE_COUNT_ZU_OUTPTR ""

// ZU_COUNT(...): number of arguments (0 to 20).
#define ZU_COUNT(...)                                                                                        \
  ZU_COUNT_(__VA_ARGS__ __VA_OPT__(, ) 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2,   \
            1, 0)
#define ZU_COUNT_(a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, \
                  n, ...)                                                                                    \
  n

// ZU_FOR_EACH(macro, separator, triples...): macro(Type, name, Role) for each
// triple, with separator() between them (ZU_SEP_COMMA or ZU_SEP_NONE).
#define ZU_FOR_EACH(m, s, ...) ZU_FE_CAT(ZU_FE_, ZU_COUNT(__VA_ARGS__))(m, s, __VA_ARGS__)
#define ZU_FE_CAT(a, b) ZU_FE_CAT_(a, b)
#define ZU_FE_CAT_(a, b) a##b
#define ZU_SEP_COMMA() ,
#define ZU_SEP_NONE()
#define ZU_FE_0(m, s, ...)
#define ZU_FE_1(m, s, p) m p
#define ZU_FE_2(m, s, p, ...) m p s() ZU_FE_1(m, s, __VA_ARGS__)
#define ZU_FE_3(m, s, p, ...) m p s() ZU_FE_2(m, s, __VA_ARGS__)
#define ZU_FE_4(m, s, p, ...) m p s() ZU_FE_3(m, s, __VA_ARGS__)
#define ZU_FE_5(m, s, p, ...) m p s() ZU_FE_4(m, s, __VA_ARGS__)
#define ZU_FE_6(m, s, p, ...) m p s() ZU_FE_5(m, s, __VA_ARGS__)
#define ZU_FE_7(m, s, p, ...) m p s() ZU_FE_6(m, s, __VA_ARGS__)
#define ZU_FE_8(m, s, p, ...) m p s() ZU_FE_7(m, s, __VA_ARGS__)
#define ZU_FE_9(m, s, p, ...) m p s() ZU_FE_8(m, s, __VA_ARGS__)
#define ZU_FE_10(m, s, p, ...) m p s() ZU_FE_9(m, s, __VA_ARGS__)
#define ZU_FE_11(m, s, p, ...) m p s() ZU_FE_10(m, s, __VA_ARGS__)
#define ZU_FE_12(m, s, p, ...) m p s() ZU_FE_11(m, s, __VA_ARGS__)
#define ZU_FE_13(m, s, p, ...) m p s() ZU_FE_12(m, s, __VA_ARGS__)
#define ZU_FE_14(m, s, p, ...) m p s() ZU_FE_13(m, s, __VA_ARGS__)
#define ZU_FE_15(m, s, p, ...) m p s() ZU_FE_14(m, s, __VA_ARGS__)
#define ZU_FE_16(m, s, p, ...) m p s() ZU_FE_15(m, s, __VA_ARGS__)
#define ZU_FE_17(m, s, p, ...) m p s() ZU_FE_16(m, s, __VA_ARGS__)
#define ZU_FE_18(m, s, p, ...) m p s() ZU_FE_17(m, s, __VA_ARGS__)
#define ZU_FE_19(m, s, p, ...) m p s() ZU_FE_18(m, s, __VA_ARGS__)
#define ZU_FE_20(m, s, p, ...) m p s() ZU_FE_19(m, s, __VA_ARGS__)

// Parameter lists of a row: "Type name, ...", "name, ..." and "Type, ...".
#define ZU_PARAM_DECLS(...) ZU_FOR_EACH(ZU_PARAM_DECL_, ZU_SEP_COMMA, __VA_ARGS__)
#define ZU_PARAM_NAMES(...) ZU_FOR_EACH(ZU_PARAM_NAME_, ZU_SEP_COMMA, __VA_ARGS__)
#define ZU_PARAM_TYPES(...) ZU_FOR_EACH(ZU_PARAM_TYPE_, ZU_SEP_COMMA, __VA_ARGS__)
#define ZU_PARAM_DECL_(type, name, role) type name
#define ZU_PARAM_NAME_(type, name, role) name
#define ZU_PARAM_TYPE_(type, name, role) type

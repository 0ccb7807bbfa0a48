// Internal status codes of the platform layer and the error-translation
// subsystem. They reach users only as text (MapErrorCode maps the -52000
// family into the driver's range).
#pragma once

#include <cstdint>

inline constexpr int32_t zuapalerr_memoryFull = -52000;
inline constexpr int32_t zuapalerr_notImplemented = -52002;
inline constexpr int32_t zuapalerr_softwareFaultAPALInternalUseOnly = -52003;
inline constexpr int32_t zuapalerr_invalidParameter = -52005;
inline constexpr int32_t zuapalerr_resourceNotFound = -52006;
inline constexpr int32_t zuapalerr_osFault = -52008;
inline constexpr int32_t zuapalerr_outputSpaceExhausted = -52019;
inline constexpr int32_t zuapalerr_unsupportedFormat = -52029;

// An invalid multibyte sequence met while converting text to wide characters.
inline constexpr int32_t zuapalerr_invalidMultibyteSequence = -200811;

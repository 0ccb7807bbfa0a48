#include "redirector/api/ErrorInfoSnapshot.h"

#include "platform/IviEngine.h"

namespace zuapi {

ViStatus ErrorInfoSnapshot::Save() {
  ViStatus reads[3];
  reads[0] = Ivi_GetAttributeViInt32(0, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary);
  if (reads[0] < 0) return reads[0];
  reads[1] = Ivi_GetAttributeViInt32(0, "", IVI_ATTR_SECONDARY_ERROR, 0, &secondary);
  if (reads[1] < 0) return reads[1];
  reads[2] = Ivi_GetAttributeViString(0, "", IVI_ATTR_ERROR_ELABORATION, 0, kElaborationSize, elaboration);
  if (reads[2] < 0) return reads[2];
  for (ViStatus read : reads)
    if (read != 0) return read;
  return VI_SUCCESS;
}

ViStatus ErrorInfoSnapshot::Restore() const {
  ViStatus cleared = Ivi_ClearErrorInfo(0);
  if (cleared < 0) return cleared;
  ViStatus recorded = Ivi_SetErrorInfo(0, VI_FALSE, primary, secondary, elaboration);
  if (recorded < 0) return recorded;
  return cleared != 0 ? cleared : recorded;
}

} // namespace zuapi

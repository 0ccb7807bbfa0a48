// Opening and closing sessions, clearing their errors, and the graphical
// environment's TLS index.
#include <memory>

#include "Handlers.h"
#include "OptionText.h"
#include "ivi_standin.h"
#include "platform/IviEngine.h"

namespace backendstandin {

namespace {

ViStatus FailOpen(ViStatus status, const char *elaboration) {
  Ivi_SetErrorInfo(VI_NULL, VI_TRUE, status, 0, elaboration);
  return status;
}

// The scene and the recording the DriverSetup names (a Replay key replaces
// the scene's replay), loaded before anything is created; a file that
// cannot be used is recorded for the thread with the fault.
ViStatus LoadSceneOf(const InitOptions &options, std::shared_ptr<const Scene> &scene) {
  if (options.scenePath.empty() && options.replayPath.empty()) return VI_SUCCESS;
  try {
    Scene loaded = options.scenePath.empty() ? Scene{} : LoadScene(options.scenePath);
    if (!options.replayPath.empty())
      loaded.replay =
          std::make_shared<const Recording>(LoadRecording(options.replayPath, Recording::End::kLoop));
    scene = std::make_shared<const Scene>(std::move(loaded));
    return VI_SUCCESS;
  } catch (const SceneError &error) {
    return FailOpen(BACKENDSTANDIN_ERROR_SCENE_FILE, error.what());
  } catch (const RecordingError &error) {
    return FailOpen(BACKENDSTANDIN_ERROR_RECORDING, error.what());
  }
}

// Creates the IVI session, sets its language and DriverSetup, and keeps the
// close callback and the scene. The lem form passes the simulation flag as
// an argument; the other kinds take it from the option string.
ViStatus OpenSession(Instrument &instrument, const EntryCall &call) {
  ViSession *newVi = call.Output<ViSession>("newVi");
  if (newVi == nullptr) return BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
  *newVi = 0;
  const InitOptions options = ParseInitOptions(call.Text("optionString"));
  std::shared_ptr<const Scene> scene;
  if (const ViStatus loaded = LoadSceneOf(options, scene); loaded < 0) return loaded;
  const bool simulate = call.Has("simulate") ? call.Int("simulate") != 0 : options.simulate;
  ViSession vi = 0;
  const ViStatus status =
      IviStandin_CreateSession(call.Text("resourceName"), simulate ? VI_TRUE : VI_FALSE, &vi);
  if (status < 0) return status;
  try {
    IviStandin_SetAttributeViInt32(vi, ZUVEXA_ATTR_SESSION_LANGUAGE, options.language);
    IviStandin_SetAttributeViString(vi, IVI_ATTR_DRIVER_SETUP, options.driverSetup.c_str());
    const auto callback = reinterpret_cast<ZUCloseSessionCallback>(call.Argument("closeCallback").pointer);
    instrument.AddSession(vi, call.Kind(), callback, std::move(scene));
  } catch (...) {
    Ivi_Dispose(vi);
    throw;
  }
  *newVi = vi;
  return VI_SUCCESS;
}

ViStatus CloseSession(Instrument &instrument, const EntryCall &call) {
  const ViSession vi = call.Session();
  if (instrument.Find(call.Kind(), vi) == nullptr) return BACKENDSTANDIN_ERROR_INVALID_SESSION;
  instrument.RemoveSession(vi);
  return Ivi_Dispose(vi);
}

// A module keeps its sessions' error information in the engine.
ViStatus ClearSessionError(Instrument &instrument, const EntryCall &call) {
  const ViSession vi = call.Session();
  if (instrument.Find(call.Kind(), vi) == nullptr) return BACKENDSTANDIN_ERROR_INVALID_SESSION;
  return Ivi_ClearErrorInfo(vi);
}

ViStatus RecordTlsIndex(Instrument &instrument, const EntryCall &call) {
  instrument.RecordTlsIndex(call.Kind(), static_cast<ViUInt32>(call.Int("index")));
  return VI_SUCCESS;
}

constexpr NamedHandler kHandlers[] = {
    {"InitWithOptions", OpenSession},
    {"InitSessionOutOfProcess", OpenSession},
    {"InitWithOptions2", OpenSession},
    {"InitWithOptions3", OpenSession},
    {"InitExtCal", OpenSession},
    {"InitExtCal2", OpenSession},
    {"InitializeExternalAlignment", OpenSession},
    {"close", CloseSession},
    {"CloseExtCal", CloseSession},
    {"CloseExternalAlignment", CloseSession},
    {"ClearError", ClearSessionError},
    {"SetGXRTTLSIndex", RecordTlsIndex},
};

} // namespace

std::span<const NamedHandler> SessionHandlers() { return kHandlers; }

bool IsInitEntry(ViUInt32 slot) { return FindHandler(slot) == OpenSession; }

} // namespace backendstandin

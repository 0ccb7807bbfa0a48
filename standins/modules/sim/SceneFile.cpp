// Scene files: one JSON object,
//   {"seed": 1, "noise_floor_dbm_per_hz": -150,
//    "tones": [{"frequency_hz": 2.4001e9, "power_dbm": -20}],
//    "bands": [{"frequency_hz": 2.41e9, "bandwidth_hz": 1e6, "power_dbm": -40, "seed": 2}],
//    "qpsk":  [{"frequency_hz": 2.39e9, "symbol_rate_hz": 1e5, "power_dbm": -30, "seed": 3}],
//    "fm":    [{"frequency_hz": 2.42e9, "power_dbm": -30, "deviation_hz": 5e3, "modulating_hz": 1e3}],
//    "replay": {"path": "capture.sigmf-meta", "end": "loop"}}
// Every member is optional (a replay's path is relative to the scene's
// folder, its end "loop" or "stop", loop when left out); an unknown member or a value out of range is an
// error naming where it is.
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "Scene.h"

namespace backendstandin {

namespace {

using nlohmann::json;

// A JSON object whose members are read one by one, refusing members it
// does not know.
class Members {
public:
  Members(const json &object, std::string where) : object_(object), where_(std::move(where)) {
    if (!object.is_object()) Fail(where_ + " must be an object");
  }

  std::optional<double> Number(const char *name) {
    const json *value = Find(name);
    if (value == nullptr) return std::nullopt;
    if (!value->is_number() || !std::isfinite(value->get<double>())) Fail(Where(name) + " must be a number");
    return value->get<double>();
  }
  double Required(const char *name) {
    const std::optional<double> value = Number(name);
    if (!value) Fail(Where(name) + " is missing");
    return *value;
  }
  double Positive(const char *name) {
    const double value = Required(name);
    if (!(value > 0.0)) Fail(Where(name) + " must be above 0");
    return value;
  }
  uint64_t Seed(uint64_t fallback) {
    const json *value = Find("seed");
    if (value == nullptr) return fallback;
    if (!value->is_number_unsigned()) Fail(Where("seed") + " must be a whole number, 0 or more");
    return value->get<uint64_t>();
  }
  std::optional<std::string> Text(const char *name) {
    const json *value = Find(name);
    if (value == nullptr) return std::nullopt;
    if (!value->is_string()) Fail(Where(name) + " must be a text");
    return value->get<std::string>();
  }
  const json *Object(const char *name) { return Find(name); }
  const json *Array(const char *name) {
    const json *value = Find(name);
    if (value != nullptr && !value->is_array()) Fail(Where(name) + " must be an array");
    return value;
  }
  // Throws for the first member no call asked for.
  void CheckAllRead() const {
    for (const auto &[name, value] : object_.items())
      if (read_.count(name) == 0) Fail("unknown member \"" + name + "\" in " + where_);
  }

  std::string Where(const char *name) const { return where_ + "." + name; }
  [[noreturn]] static void Fail(const std::string &message) { throw SceneError(message); }

private:
  const json *Find(const char *name) {
    read_.insert(name);
    const auto found = object_.find(name);
    return found != object_.end() ? &*found : nullptr;
  }

  const json &object_;
  std::string where_;
  std::set<std::string> read_;
};

// Calls read(members) for each element of the array member `name`.
template <class Read> void ForEach(Members &scene, const char *name, Read &&read) {
  const json *array = scene.Array(name);
  if (array == nullptr) return;
  for (std::size_t i = 0; i < array->size(); ++i) {
    Members members((*array)[i], std::string(name) + "[" + std::to_string(i) + "]");
    read(members);
    members.CheckAllRead();
  }
}

// The recording a scene's replay member names, relative to the scene's folder.
std::shared_ptr<const Recording> ReplayOf(Members &scene, const std::string &scenePath) {
  const json *object = scene.Object("replay");
  if (object == nullptr) return nullptr;
  Members replay(*object, "replay");
  const std::optional<std::string> path = replay.Text("path");
  if (!path) Members::Fail("replay.path is missing");
  const std::string end = replay.Text("end").value_or("loop");
  if (end != "loop" && end != "stop") Members::Fail("replay.end must be \"loop\" or \"stop\"");
  replay.CheckAllRead();
  const std::filesystem::path folder = std::filesystem::path(scenePath).parent_path();
  return std::make_shared<const Recording>(
      LoadRecording(folder / *path, end == "stop" ? Recording::End::kStop : Recording::End::kLoop));
}

Scene SceneOf(const json &document, const std::string &path) {
  Scene scene;
  Members members(document, "the scene");
  scene.seed = members.Seed(scene.seed);
  scene.noiseFloorDbmPerHz = members.Number("noise_floor_dbm_per_hz");
  ForEach(members, "tones", [&](Members &tone) {
    scene.tones.push_back({tone.Required("frequency_hz"), tone.Required("power_dbm")});
  });
  ForEach(members, "bands", [&](Members &band) {
    const double frequency = band.Required("frequency_hz");
    const double rate = band.Positive("bandwidth_hz") / kBandwidthPerSymbolRate;
    scene.pulseSignals.push_back({frequency, rate, band.Required("power_dbm"), band.Seed(scene.seed + 1),
                                  ScenePulseSignal::Symbols::kGaussian});
  });
  ForEach(members, "qpsk", [&](Members &qpsk) {
    const double frequency = qpsk.Required("frequency_hz");
    const double rate = qpsk.Positive("symbol_rate_hz");
    scene.pulseSignals.push_back({frequency, rate, qpsk.Required("power_dbm"), qpsk.Seed(scene.seed + 2),
                                  ScenePulseSignal::Symbols::kQpsk});
  });
  ForEach(members, "fm", [&](Members &fm) {
    const double frequency = fm.Required("frequency_hz"), power = fm.Required("power_dbm");
    scene.fmSignals.push_back({frequency, power, fm.Positive("deviation_hz"), fm.Positive("modulating_hz")});
  });
  scene.replay = ReplayOf(members, path);
  members.CheckAllRead();
  return scene;
}

std::string ReadFile(const std::string &path) {
  if (std::filesystem::is_directory(path)) throw SceneError("is a folder");
  std::ifstream file(path);
  if (!file) throw SceneError(std::string("cannot be opened: ") + std::strerror(errno));
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) throw SceneError("cannot be read");
  return text.str();
}

} // namespace

Scene LoadScene(const std::string &path) {
  try {
    Scene scene = SceneOf(json::parse(ReadFile(path)), path);
    scene.path = path;
    return scene;
  } catch (const json::exception &error) {
    throw SceneError("scene file \"" + path + "\": not valid JSON: " + error.what());
  } catch (const SceneError &error) {
    throw SceneError("scene file \"" + path + "\": " + error.what());
  }
}

} // namespace backendstandin

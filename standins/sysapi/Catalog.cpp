#include "Catalog.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "ConfigParser.h"

namespace sysapistandin {
namespace {

constexpr const char kConfigVariable[] = "ZUVEXA_SYSAPI_CONFIG";

void ReportProblem(const std::string &path, const std::string &problem) {
  std::fprintf(stderr, "libzusysapi stand-in: %s: %s\n", path.c_str(), problem.c_str());
}

Configuration ReadConfigurationFile() {
  Configuration configuration;
  const char *path = std::getenv(kConfigVariable);
  if (path == nullptr || *path == '\0') return configuration;
  std::ifstream file(path);
  if (!file) {
    ReportProblem(path, "cannot be read; no devices or experts");
    return configuration;
  }
  std::vector<std::string> problems;
  ParseConfiguration(file, configuration, problems);
  for (const std::string &problem : problems) ReportProblem(path, problem + " (line skipped)");
  return configuration;
}

} // namespace

Catalog &Catalog::Instance() {
  static Catalog *catalog = new Catalog();
  return *catalog;
}

void Catalog::ReadFile() {
  Configuration fresh = ReadConfigurationFile();
  std::lock_guard lock(mutex_);
  for (const Change &change : changes_) change(fresh);
  current_ = std::move(fresh);
}

void Catalog::Reset() {
  {
    std::lock_guard lock(mutex_);
    changes_.clear();
  }
  ReadFile();
}

bool Catalog::Apply(Change change) {
  std::lock_guard lock(mutex_);
  const bool changed = change(current_);
  changes_.push_back(std::move(change));
  return changed;
}

void Catalog::AddDevice(DevicePtr device) {
  Apply([device](Configuration &configuration) {
    configuration.AddDevice(device);
    return true;
  });
}

bool Catalog::RemoveDevice(const std::wstring &resourceName) {
  return Apply(
      [resourceName](Configuration &configuration) { return configuration.RemoveDevice(resourceName); });
}

void Catalog::AddExpert(const std::wstring &name) {
  Apply([name](Configuration &configuration) {
    configuration.AddExpert(name);
    return true;
  });
}

bool Catalog::RemoveExpert(const std::wstring &name) {
  return Apply([name](Configuration &configuration) { return configuration.RemoveExpert(name); });
}

std::vector<DevicePtr> Catalog::Devices() const {
  std::lock_guard lock(mutex_);
  return current_.devices;
}

DevicePtr Catalog::FindDevice(std::wstring_view resourceName) const {
  std::lock_guard lock(mutex_);
  return current_.FindDevice(resourceName);
}

bool Catalog::HasExpert(std::wstring_view name) const {
  std::lock_guard lock(mutex_);
  return current_.HasExpert(name);
}

} // namespace sysapistandin

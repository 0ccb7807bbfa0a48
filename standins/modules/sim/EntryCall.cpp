#include "EntryCall.h"

#include <stdexcept>
#include <string>

#include "Catalogue.h"

namespace backendstandin {

const char *EntryCall::Symbol() const { return kCatalogue[slot_].symbol; }

const BackendStandinArgument *EntryCall::Find(std::string_view name) const {
  const CatalogueRow &row = kCatalogue[slot_];
  for (std::size_t i = 0; i < arguments_.size() && i < row.parameterCount; ++i)
    if (name == row.parameterNames[i]) return &arguments_[i];
  return nullptr;
}

bool EntryCall::Has(std::string_view name) const { return Find(name) != nullptr; }

const BackendStandinArgument &EntryCall::Argument(std::string_view name) const {
  const BackendStandinArgument *argument = Find(name);
  if (argument == nullptr)
    throw std::logic_error(std::string("entry ") + Symbol() + " has no argument " + std::string(name));
  return *argument;
}

} // namespace backendstandin

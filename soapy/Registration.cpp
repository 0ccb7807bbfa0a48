// The module's entry in SoapySDR's registry: find and make for
// driver=zuvexa, and the module's version. Closing the device (unmake)
// closes its session.
#include <SoapySDR/Modules.hpp>
#include <SoapySDR/Registry.hpp>

#include "Discovery.h"
#include "ZuvexaDevice.h"

namespace {

SoapySDR::Device *MakeAnalyzer(const SoapySDR::Kwargs &args) { return new zuvexasoapy::ZuvexaDevice(args); }

const SoapySDR::Registry kRegistration(zuvexasoapy::kDriverKey, &zuvexasoapy::FindAnalyzers, &MakeAnalyzer,
                                       SOAPY_SDR_ABI_VERSION);
const SoapySDR::ModuleVersion kVersion(ZUVEXA_SOAPY_MODULE_VERSION);

} // namespace

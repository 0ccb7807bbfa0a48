// Attach: the one handler the catalogue does not give, reaching a session
// another client opened under a name.
#include "Call.h"
#include "RemoteService.h"

namespace zuremote {

::grpc::Status AnalyzerService::Attach(::grpc::ServerContext *context, const pb::AttachRequest *request,
                                       pb::AttachResponse *response) {
  Call call(state_, context, true); // a session attached counts as one the client holds
  if (!call.Authorized()) return call.Unauthenticated();
  if (!call.Admitted()) return call.Exhausted();
  ViSession vi = VI_NULL;
  if (call.Attach(request->session_name(), vi)) response->set_vi(vi);
  call.Report(response->mutable_status());
  return ::grpc::Status::OK;
}

} // namespace zuremote

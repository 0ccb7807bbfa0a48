#!/usr/bin/python3
"""Writes the remote service over the public functions of the catalogue:

    generate_remote.py SOURCE_ROOT OUTPUT_FOLDER [PREPROCESSOR]

OUTPUT_FOLDER receives zuvexa_remote.proto (one rpc per served function, a
request and a response message each), RemoteService.h and RemoteService.cpp
(the server's handlers). The rows come from python/generator/generate_catalogue.py,
the one reader of the catalogue.

Rules:
- the rpc is the function's name without its zuVEXA_ prefix, in CamelCase;
- the request holds the inputs in C order; the response a Status (the call's
  code and its description) followed by the outputs;
- a session handle `vi` is looked up among the caller's sessions; zuVEXA_init
  and zuVEXA_InitWithOptions open through the server's entry (with an
  optional session name and exclusive flag after the inputs) and
  zuVEXA_close lets go of it, closing it through the entry for its last
  holder; Attach (written in remote/server/Attach.cpp) reaches a named one;
- a fetch or read of records and spectra is also served as a stream,
  Stream<rpc>, of responses carrying slices of the arrays (Stream.h);
- output arrays and texts are sized by the request and reserved within the
  reply's budget before anything is allocated; arrays of a function that
  returns WaveformInfo hold interleaved I/Q (two elements per sample, per
  record when it returns one WaveformInfo per record);
- a function is left out when an argument cannot travel (an address, a
  graphical-environment handle, a session handle as a value), when it opens
  or finds sessions other than through the server, or when its result is
  bound to the calling thread; the list is written at the top of the .proto
  and printed.
"""
import re
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "python" / "generator"))
import generate_catalogue  # noqa: E402

# Proto type of each C scalar or record, and the C++ type a response field gets it from.
PROTO = {"ViBoolean": "bool", "ViInt16": "sint32", "ViInt32": "int32", "ViStatus": "int32", "ViInt64": "int64",
         "ViUInt8": "uint32", "ViByte": "uint32", "ViUInt32": "uint32", "ViAttr": "uint32", "ViSession": "uint32",
         "ViUInt64": "uint64", "ViReal32": "float", "ViReal64": "double", "ViConstString": "string",
         "ViChar": "string", "WaveformInfo": "WaveformInfo", "ZUComplexNumber": "Complex",
         "ZUTimestamp": "Timestamp"}
RECORDS = ("WaveformInfo", "ZUComplexNumber", "ZUTimestamp")
SERVED_OPENS = {"zuVEXA_init": "Open", "zuVEXA_InitWithOptions": "Open"}
SERVED_CLOSE = "zuVEXA_close"
# Module-defined information a function may be given as NULL: the service
# does not carry it.
NULL_OPAQUE = {("zuVEXA_ReadPowerSpectrumF64", "data1"), ("zuVEXA_ReadPowerSpectrumF32", "data1")}
# Functions whose session may be VI_NULL: they describe any status.
NULL_SESSION = {"zuVEXA_GetErrorMessage", "zuVEXA_error_message"}
LEFT_OUT = {
    "InitializeSessionForServer": "the server's own open",
    "ReleaseSessionForServer": "the server's own close",
    "zuVEXA_LockSession": "the lock belongs to the calling thread, which a remote call does not keep",
    "zuVEXA_UnlockSession": "the lock belongs to the calling thread, which a remote call does not keep",
    "zuVEXA_GetCalUserDefinedInfo": "its buffer is sized by another call",
}
# Text buffers without a size parameter: 256 bytes by convention; the
# server gives them more.
UNSIZED_TEXT = 4096


class Param:
    def __init__(self, c_type, role, name):
        c_type = c_type.replace(" ", "")
        self.base = c_type.removeprefix("const").rstrip("*")
        self.pointer = c_type.endswith("*")
        self.kind = role.split("(")[0]
        self.count = role[role.index("(") + 1:-1] if "(" in role else None
        self.name, self.field = name, snake_case(name)

    @property
    def is_input(self):
        return self.kind in ("ZU_IN", "ZU_STR", "ZU_INARR", "ZU_OPAQUE")


def snake_case(name):
    return re.sub(r"(?<=[a-z0-9])(?=[A-Z])|(?<=[A-Z])(?=[A-Z][a-z])", "_", name).lower()


def rpc_name(function):
    return "".join(part[:1].upper() + part[1:] for part in function.removeprefix("zuVEXA_").split("_"))


def left_out_reason(name, params):
    """Why a function is not served, or None."""
    if name.startswith("GX_") or "GXRT" in name:
        return "serves the graphical environment"
    if name in LEFT_OUT:
        return LEFT_OUT[name]
    for p in params:
        if p.kind == "ZU_NULL":
            continue
        if p.base in ("void", "uintptr_t") or p.kind in ("ZU_OUTPTR",) or (p.pointer and p.kind == "ZU_OPAQUE"):
            return f"{p.name} is an address, which cannot travel"
        if p.base not in PROTO:
            return f"{p.name} has a type the service does not carry"
        if p.base == "ViSession" and p.name != "vi" and name not in SERVED_OPENS:
            return f"{p.name} is a session handle passed as a value"
    return None


def sample_parts(function, p):
    """Elements per counted item of output array p: 2 for the interleaved
    samples of a fetch, times the records for one WaveformInfo per record."""
    infos = [q for q in function.params if q.base == "WaveformInfo"]
    if not infos or p.base == "WaveformInfo":
        return "1"
    per_record = [q for q in infos if q.kind == "ZU_OUTARR"]
    return f"2 * static_cast<int64_t>({function.count_of(per_record[0])})" if per_record else "2"


class Function:
    def __init__(self, name, params):
        self.name, self.params, self.rpc = name, params, rpc_name(name)
        self.by_name = {p.name: p for p in params}
        # An array's generated accessors include <field>_size(): a count
        # parameter of that name is renamed <field>_length.
        arrays = {p.field for p in params if p.kind in ("ZU_INARR", "ZU_OUTARR")}
        for p in params:
            if p.field.endswith("_size") and p.field.removesuffix("_size") in arrays:
                p.field = p.field.removesuffix("_size") + "_length"

    def count_of(self, p):
        return f"request->{self.by_name[p.count].field}()"

    def proto_messages(self):
        request = [p for p in self.params if p.is_input]
        outputs = [p for p in self.params if not p.is_input and p.kind != "ZU_NULL"]
        lines = [f"message {self.rpc}Request {{"]
        lines += [f"  {proto_field(p)} {p.field} = {n};" for n, p in enumerate(request, 1)]
        if self.name in SERVED_OPENS:  # the session's name for Attach, and whether others may attach
            lines += [f"  string session_name = {len(request) + 1};", f"  bool exclusive = {len(request) + 2};"]
        lines += ["}", f"message {self.rpc}Response {{", "  Status status = 1;"]
        lines += [f"  {proto_field(p)} {p.field} = {n};" for n, p in enumerate(outputs, 2)]
        return lines + ["}"]

    @property
    def streamed(self):
        """Fetches and reads of records or spectra: also served as a stream."""
        return self.rpc.startswith(("Fetch", "Read")) and any(
            p.kind == "ZU_OUTARR" and p.base != "WaveformInfo" for p in self.params)

    def rpc_lines(self):
        lines = [f"  rpc {self.rpc}({self.rpc}Request) returns ({self.rpc}Response);"]
        if self.streamed:
            lines.append(f"  rpc Stream{self.rpc}({self.rpc}Request) returns (stream {self.rpc}Response);")
        return lines

    def declarations(self):
        lines = [f"  ::grpc::Status {self.rpc}(::grpc::ServerContext *context, const pb::{self.rpc}Request *request,"
                 f" pb::{self.rpc}Response *response) override;"]
        if self.streamed:
            lines.append(f"  ::grpc::Status Stream{self.rpc}(::grpc::ServerContext *context, {self.streamer} *stream);")
        return lines

    @property
    def streamer(self):
        """The stream's server side: it reads the request and writes wire messages."""
        return f"::grpc::ServerSplitStreamer<pb::{self.rpc}Request, WireMessage>"

    def stream_registration(self, index):
        """Serves the stream at `index` of the service through Stream<rpc> (MarkStreams)."""
        return [f"  MarkMethodStreamed({index}, new ::grpc::internal::SplitServerStreamingHandler<"
                f"pb::{self.rpc}Request, WireMessage>(",
                f"      [this](::grpc::ServerContext *context, {self.streamer} *stream) {{",
                f"        return Stream{self.rpc}(context, stream);", "      }));"]

    def handlers(self):
        """The rpc's handler (and its stream's), around the shared body."""
        opens = "true" if self.name in SERVED_OPENS else "false"
        entry = [f"  Call call(state_, context, {opens});", "  if (!call.Authorized()) return call.Unauthenticated();",
                 "  if (!call.Admitted()) return call.Exhausted();"]
        lines = [f"::grpc::Status AnalyzerService::{self.rpc}(::grpc::ServerContext *context,",
                 f"    const pb::{self.rpc}Request *request, pb::{self.rpc}Response *response) {{"]
        whole = f", WholeArrays<pb::{self.rpc}Response>(response)" if self.has_arrays else ""
        lines += entry + [f"  Serve{self.rpc}(call, request, response{whole});", "  return ::grpc::Status::OK;", "}",
                          ""]
        if not self.streamed:
            return lines
        response = f"pb::{self.rpc}Response"
        lines += [f"::grpc::Status AnalyzerService::Stream{self.rpc}(::grpc::ServerContext *context,",
                  f"    {self.streamer} *stream) {{"]
        lines += entry + [f"  pb::{self.rpc}Request request;",
                          '  if (!stream->Read(&request)) return {::grpc::StatusCode::INVALID_ARGUMENT, "no request"};',
                          f"  {response} last;",
                          f"  StreamedArrays<{response}, {self.streamer}> arrays(&last, *stream, kChunkBytes);",
                          f"  Serve{self.rpc}(call, &request, &last, arrays);", "  return arrays.Finish();", "}", ""]
        return lines

    @property
    def has_arrays(self):
        return any(p.kind == "ZU_OUTARR" for p in self.params)

    def body(self):
        """The checks, then the call, then the outputs."""
        locals_, checks, arguments, outputs = [], [], [], []
        for p in self.params:
            local, check, argument, output = self.pieces(p)
            locals_ += local
            checks += check
            arguments.append(argument)
            outputs += output
        if self.name in SERVED_OPENS:
            arguments[:0] = ["request->session_name()", "request->exclusive()"]
        callee = f"call.{SERVED_OPENS[self.name]}" if self.name in SERVED_OPENS else \
            "call.Close" if self.name == SERVED_CLOSE else self.name
        # The status is reported before the outputs: a stream sends it with every slice.
        arrays = ", Arrays &&arrays" if self.has_arrays else ""
        body = ["template <class Arrays>"] if self.has_arrays else []
        body += [f"void Serve{self.rpc}(Call &call, const pb::{self.rpc}Request *request,",
                 f"    pb::{self.rpc}Response *response{arrays}) {{"]
        body += [f"  {line}" for line in locals_]
        condition = " && ".join(checks) or "true"
        body += [f"  if ({condition}) call.Finish({callee}({', '.join(arguments)}));",
                 "  call.Report(response->mutable_status());"]
        if outputs:
            body += ["  if (call.Succeeded()) {"] + [f"    {line}" for line in outputs] + ["  }"]
        body += ["}", ""]
        return body

    def pieces(self, p):
        """(locals, checks, argument, outputs) of one parameter."""
        get = f"request->{p.field}()"
        if p.kind == "ZU_IN" and p.base == "ViSession" and not p.pointer:
            allow_null = "true" if self.name in NULL_SESSION else "false"
            return [f"ViSession {p.name} = VI_NULL;"], [f"call.Session({get}, {p.name}, {allow_null})"], p.name, []
        if p.kind == "ZU_NULL":
            return [], [], "nullptr", []
        if p.kind == "ZU_STR":
            return [], [], f"{get}.c_str()", []
        if p.kind in ("ZU_IN", "ZU_OPAQUE"):
            value = f"FromMessage({get})" if p.base in RECORDS else f"static_cast<{p.base}>({get})"
            return [], [], value, []
        if p.kind == "ZU_INARR":
            count = self.count_of(p)
            return ([f"std::vector<{p.base}> {p.name};"], [f'call.Input({p.name}, {get}, {count}, "{p.name}")'],
                    f"{p.name}.data()", [])
        if p.kind == "ZU_OUT":
            setter = f"Put({p.name}, response->mutable_{p.field}());" if p.base in RECORDS else \
                f"response->set_{p.field}({p.name});"
            return [f"{p.base} {p.name}{{}};"], [], f"&{p.name}", [setter]
        if p.kind == "ZU_OUTARR":
            count = self.count_of(p)
            parts = sample_parts(self, p)
            single = [q for q in self.params if q.base == "WaveformInfo" and q.kind == "ZU_OUT"]
            filled = single and p.base != "WaveformInfo"
            kept = f"SentSamples({single[0].name}, {p.name})" if filled else f"{p.name}.size()"
            array = "FilledArray" if filled else "std::vector"
            return ([f"{array}<{p.base}> {p.name};"],
                    [f'call.Reserve({p.name}, {count}, {parts}, "{p.count}")'], f"{p.name}.data()",
                    [f"arrays.Put({p.name}, {kept}, [](pb::{self.rpc}Response &r) {{ return r.mutable_{p.field}(); }},"
                     f" pb::{self.rpc}Response::k{camel(p.field)}FieldNumber);"])
        if p.kind == "ZU_OUTTEXT":
            size = UNSIZED_TEXT if p.count == "0" else self.count_of(p)
            return ([f"std::vector<ViChar> {p.name};"], [f'call.ReserveText({p.name}, {size}, "{p.name}")'],
                    f"{p.name}.data()", [f"response->set_{p.field}(TextOf({p.name}));"])
        raise generate_catalogue.CatalogueError(f"{self.name}: no remote form for {p.name}")


def camel(field):
    """protoc's name for a field in C++ constants: wfm_info -> WfmInfo."""
    return "".join(part[:1].upper() + part[1:] for part in field.split("_"))


def proto_field(p):
    if p.kind in ("ZU_INARR", "ZU_OUTARR"):
        return "bytes" if p.base == "ViByte" else f"repeated {PROTO[p.base]}"
    return PROTO[p.base]


RECORD_MESSAGES = """
// The status every response carries: the library's code and its description.
message Status {
  int32 code = 1;
  string description = 2;
}
// One record's timing and scaling (64 bytes in C).
message WaveformInfo {
  double absolute_initial_x = 1;
  double relative_initial_x = 2;
  double x_increment = 3;
  int64 actual_samples = 4;
  double offset = 5;
  double gain = 6;
  double reserved1 = 7;
  double reserved2 = 8;
}
// Attach: the session another client opened under that name, for this
// client too (the same handle); refused when it was opened exclusive.
message AttachRequest {
  string session_name = 1;
}
message AttachResponse {
  Status status = 1;
  uint32 vi = 2;
}
message Complex {
  double real = 1;
  double imaginary = 2;
}
// A fraction of a second in units of 2^-64 s, and seconds since 1904.
message Timestamp {
  uint64 fraction = 1;
  int64 seconds = 2;
}
"""


def proto_text(functions, left_out):
    lines = ["// Generated by remote/generator/generate_remote.py from the catalogue. Do not edit.",
             "//", "// Functions the service leaves out:"]
    lines += [f"//   {name}: {reason}" for name, reason in left_out]
    lines += ['syntax = "proto3";', "", "package zuvexa.remote;", RECORD_MESSAGES, "service Analyzer {",
              "  rpc Attach(AttachRequest) returns (AttachResponse);"]
    lines += [line for f in functions for line in f.rpc_lines()]
    lines += ["}", ""]
    for f in functions:
        lines += f.proto_messages()
    return "\n".join(lines) + "\n"


def header_text(functions):
    lines = ["// Generated by remote/generator/generate_remote.py from the catalogue. Do not edit.",
             "#pragma once", "", '#include "RemoteState.h"', '#include "WireMessage.h"',
             '#include "zuvexa_remote.grpc.pb.h"', "",
             "namespace zuremote {", "", "namespace pb = ::zuvexa::remote;", "",
             "class AnalyzerService final : public pb::Analyzer::Service {", "public:",
             "  explicit AnalyzerService(RemoteState &state) : state_(state) { MarkStreams(); }", "",
             "  ::grpc::Status Attach(::grpc::ServerContext *context, const pb::AttachRequest *request,"
             " pb::AttachResponse *response) override;"]
    lines += [line for f in functions for line in f.declarations()]
    lines += ["", "private:", "  // Serves each stream through its wire-message handler.", "  void MarkStreams();", "",
              "  RemoteState &state_;", "};", "", "} // namespace zuremote", ""]
    return "\n".join(lines)


def source_text(functions):
    lines = ["// Generated by remote/generator/generate_remote.py from the catalogue. Do not edit.",
             "// clang-format off", '#include "RemoteService.h"', "", '#include "Call.h"', '#include "Messages.h"',
             '#include "Stream.h"', '#include "zuVEXA.h"', "", "namespace zuremote {", "", "namespace {", ""]
    for f in functions:
        lines += f.body()
    lines += ["} // namespace", ""]
    for f in functions:
        lines += f.handlers()
    lines += ["void AnalyzerService::MarkStreams() {"]
    index = 1  # after Attach, in the order of the service's rpcs
    for f in functions:
        if f.streamed:
            lines += f.stream_registration(index + 1)
        index += len(f.rpc_lines())
    lines += ["}", ""]
    return "\n".join(lines + ["} // namespace zuremote", ""])


def partition(rows):
    """(served functions, [(name, reason)] left out), in catalogue order."""
    served, left_out, rpcs = [], [], set()
    for name, _result, triples in rows:
        params = [Param(*triple) for triple in triples]
        for p in params:
            if (name, p.name) in NULL_OPAQUE:
                p.kind = "ZU_NULL"
        reason = left_out_reason(name, params)
        if reason:
            left_out.append((name, reason))
            continue
        function = Function(name, params)
        if function.rpc in rpcs:
            raise generate_catalogue.CatalogueError(f"two functions are served as {function.rpc}")
        rpcs.add(function.rpc)
        served.append(function)
    return served, left_out


def generate(source_root, output, preprocessor=None):
    served, left_out = partition(generate_catalogue.export_rows(source_root, preprocessor))
    folder = Path(output)
    folder.mkdir(parents=True, exist_ok=True)
    for file_name, text in (("zuvexa_remote.proto", proto_text(served, left_out)),
                            ("RemoteService.h", header_text(served)), ("RemoteService.cpp", source_text(served))):
        generate_catalogue.write_replacing(folder / file_name, text)
    print(f"generate_remote.py: {len(served)} functions served, {len(left_out)} left out:")
    for name, reason in left_out:
        print(f"  {name}: {reason}")


def main(argv):
    if len(argv) not in (3, 4):
        sys.exit(__doc__)
    try:
        generate(*argv[1:])
    except generate_catalogue.CatalogueError as error:
        sys.exit(f"generate_remote.py: {error}")


if __name__ == "__main__":
    main(sys.argv)

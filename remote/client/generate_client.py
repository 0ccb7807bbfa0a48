#!/usr/bin/python3
"""Writes the functions of libzuvexa-remote over the served functions of the
catalogue:

    generate_client.py SOURCE_ROOT OUTPUT_FOLDER [PREPROCESSOR]

OUTPUT_FOLDER receives ClientFunctions.cpp: every zuVEXA_* function of the
catalogue with its C signature. A function the server serves (the rows and
rules of remote/generator/generate_remote.py) fills the request from its
inputs, calls the rpc and copies the outputs back within the caller's
buffers; one the server leaves out returns ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED
with the reason. zuVEXA_GetError answers from the error information the
client keeps; zuVEXA_ClearError clears it too; zuVEXA_GetErrorMessage and
zuVEXA_error_message describe the client's own statuses themselves.
"""
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "generator"))
import generate_remote  # noqa: E402
from generate_remote import generate_catalogue  # noqa: E402

UNSIZED_TEXT = "256"  # the buffer a text output without a size parameter needs
# Statements run before the request, by function.
PRELUDES = {
    "zuVEXA_GetError": ["return zuclient::TakeError(vi, errorCodePtr, errorDescriptionBufferSize, errorDescription);"],
    "zuVEXA_ClearError": ["zuclient::ClearError(vi);"],
    "zuVEXA_GetErrorMessage": [
        "if (ViStatus local;",
        "    zuclient::DescribeLocally(errorCode, errorDescriptionBufferSize, errorDescription, &local))",
        "  return local;"],
    "zuVEXA_error_message": [
        f"if (ViStatus local; zuclient::DescribeLocally(statusCode, {UNSIZED_TEXT}, errorMessage, &local))",
        "  return local;"],
}


def signature(name, params, named=True):
    arguments = ", ".join(f"{p.c_type} {p.name}" if named or p.name == "vi" else p.c_type for p in params)
    return f"ZUVEXA_API ViStatus {name}({arguments or 'void'})"


def session_of(params):
    return "vi" if any(p.name == "vi" and p.base == "ViSession" and not p.pointer for p in params) else "VI_NULL"


def capacity(function, p):
    """Elements the caller's output array p holds: its count times the
    interleaved parts of a fetch (times the records for one WaveformInfo per record)."""
    count = f"static_cast<int64_t>({p.count})"
    infos = [q for q in function.params if q.base == "WaveformInfo"]
    if not infos or p.base == "WaveformInfo":
        return f"zuclient::Capacity({count}, 1)"
    per_record = [q for q in infos if q.kind == "ZU_OUTARR"]
    elements = f"zuclient::Capacity({count}, 2)"
    return f"zuclient::Capacity({elements}, {per_record[0].count})" if per_record else elements


def input_line(function, p):
    field = f"request.mutable_{p.field}()"
    if p.kind == "ZU_STR":
        return f'request.set_{p.field}({p.name} != nullptr ? {p.name} : "");'
    if p.kind == "ZU_INARR":
        return f"zuclient::PutArray({p.name}, {p.count}, {field});"
    if p.base in generate_remote.RECORDS:
        return f"zuclient::Put({p.name}, {field});"
    return f"request.set_{p.field}({p.name});"


def output_line(function, p):
    field = f"response.{p.field}()"
    if p.kind == "ZU_OUT":
        return f"zuclient::Take({field}, {p.name});"
    if p.kind == "ZU_OUTARR":
        return f"zuclient::TakeArray({field}, {p.name}, {capacity(function, p)});"
    if p.kind == "ZU_OUTTEXT":
        return f"zuclient::TakeText({field}, {p.name}, {UNSIZED_TEXT if p.count == '0' else p.count});"
    raise generate_catalogue.CatalogueError(f"{function.name}: no client form for {p.name}")


def served_body(function):
    """The request, the call and the outputs of a served function."""
    name, vi = function.name, session_of(function.params)
    lines = list(PRELUDES.get(name, []))
    if name == "zuVEXA_GetError":
        return lines
    lines += [f"pb::{function.rpc}Request request;"]
    lines += [input_line(function, p) for p in function.params if p.is_input]
    text = "true" if any(p.kind == "ZU_OUTTEXT" for p in function.params) else "false"
    lines += [f"pb::{function.rpc}Response response;",
              f'const ViStatus status = zuclient::Exchange({vi}, "{name}",',
              f"    [&](zuclient::Stub &stub, grpc::ClientContext &context) {{ "
              f"return stub.{function.rpc}(&context, request, &response); }},",
              f"    [&] {{ return response.status(); }}, {text});"]
    # Module-defined information the server passes as NULL stays here unread.
    outputs = [output_line(function, p) for p in function.params if not p.is_input and p.kind != "ZU_NULL"]
    lines += [f"static_cast<void>({p.name});" for p in function.params if p.kind == "ZU_NULL"]
    if outputs:
        lines += ["if (status >= 0) {"] + [f"  {line}" for line in outputs] + ["}"]
    if name in generate_remote.SERVED_OPENS:
        lines += ["if (status >= 0 && newVi != nullptr && *newVi != VI_NULL) zuclient::Opened(*newVi);"]
    if name == generate_remote.SERVED_CLOSE:
        lines += ["if (status >= 0) zuclient::Closed(vi);"]
    return lines + ["return status;"]


def served_text(function):
    vi = session_of(function.params)
    body = [f"  {signature(function.name, function.params)} {{",
            f'  return zuclient::Guard({vi}, "{function.name}", [&]() -> ViStatus {{']
    body += [f"    {line}" for line in served_body(function)]
    return body + ["  });", "}", ""]


def left_out_text(name, params, reason):
    vi = session_of(params)
    reason = reason.replace("\\", "\\\\").replace('"', '\\"')
    return [f"{signature(name, params, named=False)} {{",
            f'  return zuclient::Guard({vi}, "{name}",',
            f'                         [&] {{ return zuclient::NotAvailable({vi}, "{name}", "{reason}"); }});',
            "}", ""]


def source_text(rows):
    served, left_out = generate_remote.partition(rows)
    served_names = {f.name: f for f in served}
    reasons = dict(left_out)
    lines = ["// Generated by remote/client/generate_client.py from the catalogue. Do not edit.",
             "// clang-format off", '#include "Convert.h"', '#include "RemoteClient.h"', "",
             "namespace pb = ::zuvexa::remote;", "", 'extern "C" {', ""]
    for name, _result, triples in rows:
        if not name.startswith("zuVEXA_"):
            continue
        params = [client_param(triple) for triple in triples]
        if name in served_names:
            function = served_names[name]
            for p, q in zip(function.params, params):
                p.c_type = q.c_type
            lines += [line.removeprefix("  ") if i == 0 else line for i, line in enumerate(served_text(function))]
        else:
            lines += left_out_text(name, params, reasons[name])
    return "\n".join(lines + ['} // extern "C"', ""])


def client_param(triple):
    c_type, role, name = triple
    p = generate_remote.Param(c_type, role, name)
    p.c_type = c_type
    return p


def generate(source_root, output, preprocessor=None):
    rows = generate_catalogue.export_rows(source_root, preprocessor)
    folder = Path(output)
    folder.mkdir(parents=True, exist_ok=True)
    generate_catalogue.write_replacing(folder / "ClientFunctions.cpp", source_text(rows))


def main(argv):
    if len(argv) not in (3, 4):
        sys.exit(__doc__)
    try:
        generate(*argv[1:])
    except generate_catalogue.CatalogueError as error:
        sys.exit(f"generate_client.py: {error}")


if __name__ == "__main__":
    main(sys.argv)

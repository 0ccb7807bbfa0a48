#!/usr/bin/python3
"""Drives an analyzer served by zuvexa-server: opens a named simulated
session, fetches a record as a stream, lets a second client attach to the
session and closes it from both.

    remote_fetch.py [ADDRESS [TOKEN_FILE]]

ADDRESS defaults to 127.0.0.1:50151 and TOKEN_FILE to ./token. It needs
Debian's python3-grpcio and the stubs the build writes:
PYTHONPATH=build/remote/python.
"""
import sys

import grpc

import zuvexa_remote_pb2 as pb
import zuvexa_remote_pb2_grpc as rpc


def connect(address, token, client_id):
    """A stub and the metadata of each of its calls."""
    stub = rpc.AnalyzerStub(grpc.insecure_channel(address))
    return stub, [("authorization", "Bearer " + token), ("zuvexa-client-id", client_id)]


def checked(reply):
    if reply.status.code < 0:
        raise RuntimeError(f"{reply.status.code}: {reply.status.description}")
    return reply


def main(argv):
    address = argv[1] if len(argv) > 1 else "127.0.0.1:50151"
    token = open(argv[2] if len(argv) > 2 else "token").readline().strip()
    stub, auth = connect(address, token, "example-owner")
    opened = stub.InitWithOptions(pb.InitWithOptionsRequest(option_string="Simulate=1", session_name="bench"),
                                  metadata=auth)
    vi = checked(opened).new_vi
    checked(stub.ConfigureNumberOfSamples(pb.ConfigureNumberOfSamplesRequest(
        vi=vi, number_of_samples_is_finite=True, samples_per_record=200000), metadata=auth))
    checked(stub.Initiate(pb.InitiateRequest(vi=vi), metadata=auth))
    # The record arrives in slices of at most 1 MiB; joined, they are the unary reply.
    record = pb.FetchIQSingleRecordComplexF64Response()
    request = pb.FetchIQSingleRecordComplexF64Request(vi=vi, number_of_samples=200000, timeout=5)
    for part in stub.StreamFetchIQSingleRecordComplexF64(request, metadata=auth):
        record.MergeFrom(checked(part))
    print("fetched", record.wfm_info.actual_samples, "samples")

    # Another client reaches the session by its name, with the same handle.
    other, other_auth = connect(address, token, "example-viewer")
    shared = checked(other.Attach(pb.AttachRequest(session_name="bench"), metadata=other_auth)).vi
    print("attached to session", shared, "(the same)" if shared == vi else "(another)")
    checked(stub.Close(pb.CloseRequest(vi=vi), metadata=auth))  # the viewer still holds it
    checked(other.Close(pb.CloseRequest(vi=shared), metadata=other_auth))  # the last holder closes it
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

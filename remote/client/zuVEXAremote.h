/**
 * @file zuVEXAremote.h
 * @brief What libzuvexa-remote adds to zuVEXA.h: the library of the same functions carried to a
 * zuvexa-server over gRPC.
 *
 * The server is named by the environment, read at the first call that reaches it:
 * - ZUVEXA_REMOTE: host:port of the server (default 127.0.0.1:50151);
 * - ZUVEXA_REMOTE_TOKEN_FILE: file whose first line is the server's token;
 * - ZUVEXA_REMOTE_CA: PEM file of the certificate authority that signed the server's certificate;
 *   when set, the connection uses TLS.
 */
#ifndef ZUVEXA_REMOTE_H
#define ZUVEXA_REMOTE_H

#include "zuVEXA.h"

/** The call did not reach the server or came back without an answer (no server at the address,
 * a refused token, the server's limits); the description names the address and gRPC's message. */
#define ZUVEXA_ERROR_REMOTE_TRANSPORT ((ViStatus)0xBFFA7E00)

/* Functions the server does not serve return ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED with a
 * description that says so and why. */

#endif

// zuvexa-server driven by Node's gRPC client, which knows nothing of the
// server but its proto file:
//
//   node node_client_test.js SERVER_PROGRAM PROTO WORK_FOLDER
//
// A server on a free loopback port with a token; a call without the token is
// refused; a simulated session is opened, configured and fetched from, and
// closed; SIGTERM then finds no session left to close.
'use strict';
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const readline = require('node:readline');
const grpc = require('@grpc/grpc-js');
const protoLoader = require('@grpc/proto-loader');

const [program, protoFile, work] = process.argv.slice(2);
const TOKEN = 'node-client-token';
const SAMPLES = 500;

function startServer() {
  const tokenFile = path.join(work, 'token');
  fs.writeFileSync(tokenFile, TOKEN + '\n', { mode: 0o600 });
  const server = spawn(program, ['--listen', '127.0.0.1:0', '--token-file', tokenFile],
                       { stdio: ['ignore', 'pipe', 'inherit'] });
  const lines = readline.createInterface({ input: server.stdout });
  const output = [];
  const listening = new Promise((resolve, reject) => {
    server.on('exit', (code) => reject(new Error(`server ended with ${code}: ${output.join('\n')}`)));
    lines.on('line', (line) => {
      output.push(line);
      const found = /^listening on .*:(\d+)$/.exec(line);
      if (found) resolve(Number(found[1]));
    });
  });
  return { server, output, listening };
}

function analyzer(port) {
  const definition = protoLoader.loadSync(protoFile, { keepCase: true, longs: Number, defaults: true });
  const { Analyzer } = grpc.loadPackageDefinition(definition).zuvexa.remote;
  return new Analyzer(`127.0.0.1:${port}`, grpc.credentials.createInsecure());
}

// call(client, rpc, request, token): the reply, or the gRPC error thrown.
function call(client, rpc, request, token = TOKEN) {
  const metadata = new grpc.Metadata();
  if (token) metadata.set('authorization', `Bearer ${token}`);
  return new Promise((resolve, reject) => {
    client[rpc](request, metadata, { deadline: Date.now() + 20000 }, (error, reply) =>
      error ? reject(error) : resolve(reply));
  });
}

async function ok(client, rpc, request) {
  const reply = await call(client, rpc, request);
  assert.equal(reply.status.code, 0, `${rpc}: ${JSON.stringify(reply.status)}`);
  return reply;
}

async function main() {
  const { server, output, listening } = startServer();
  try {
    const client = analyzer(await listening);
    await assert.rejects(call(client, 'InitWithOptions', { option_string: 'Simulate=1' }, 'wrong-token'),
                         (error) => error.code === grpc.status.UNAUTHENTICATED);

    const vi = (await ok(client, 'InitWithOptions', { option_string: 'Simulate=1' })).new_vi;
    await ok(client, 'ConfigureIQRate', { vi, iq_rate: 1e6 });
    await ok(client, 'ConfigureNumberOfSamples', { vi, number_of_samples_is_finite: true,
                                                   samples_per_record: SAMPLES });
    await ok(client, 'Initiate', { vi });
    const record = await ok(client, 'FetchIQSingleRecordComplexF64', { vi, number_of_samples: SAMPLES, timeout: 5 });
    assert.equal(record.wfm_info.actual_samples, SAMPLES);
    assert.equal(record.data.length, 2 * SAMPLES); // I and Q of each sample
    assert.ok(record.data.some((value) => value !== 0), 'a record of zeros');
    await ok(client, 'Close', { vi });
    // The service's Close rpc takes the client's close() name (as its lower-case alias).
    client.getChannel().close();
  } finally {
    server.kill('SIGTERM');
  }
  const code = await new Promise((resolve) => server.on('exit', resolve));
  assert.equal(code, 0, output.join('\n'));
  assert.ok(output.includes('closed 0 session(s)'), output.join('\n'));
  console.log(`Node ${process.version}, @grpc/grpc-js ${require('@grpc/grpc-js/package.json').version}: passed`);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});

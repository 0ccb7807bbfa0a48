// The front panel's page: talks to the server with the token of its URL,
// refreshes the spectrum and the I/Q trace while running.
'use strict';

const token = new URLSearchParams(location.search).get('token') || '';
let settingRows = []; // the server's table: one field each
const refreshMs = 200;
let running = true;

const $ = (id) => document.getElementById(id);

async function api(path, body) {
  const init = { headers: { 'X-Panel-Token': token } };
  if (body !== undefined) {
    init.method = 'POST';
    init.headers['Content-Type'] = 'application/json';
    init.body = JSON.stringify(body);
  }
  const response = await fetch(path, init);
  // A refused request answers {"error": ...} too; an answer that is no JSON becomes one.
  try {
    return await response.json();
  } catch {
    return { error: { description: `${response.status} ${response.statusText}` } };
  }
}

function describe(error) {
  return [error.function, error.status, error.description].filter(Boolean).join(' ');
}

// A labelled field and its error note for each row of the settings table,
// before the Apply button. Values go to the server as typed, which reads them.
async function buildSettings() {
  const rows = await api('/api/settings-table');
  settingRows = Array.isArray(rows) ? rows : [];
  for (const row of settingRows) {
    const label = document.createElement('label');
    const input = Object.assign(document.createElement('input'), { id: row.name });
    const note = Object.assign(document.createElement('span'), { id: 'error-' + row.name, className: 'field-error' });
    label.append(`${row.label}${row.unit ? ` (${row.unit})` : ''} `, input, note);
    $('settings').insertBefore(label, $('apply'));
  }
}

function formatHz(hz) {
  const abs = Math.abs(hz);
  if (abs >= 1e9) return (hz / 1e9).toFixed(6) + ' GHz';
  if (abs >= 1e6) return (hz / 1e6).toFixed(6) + ' MHz';
  if (abs >= 1e3) return (hz / 1e3).toFixed(3) + ' kHz';
  return hz.toFixed(1) + ' Hz';
}

function showState(state) {
  $('resource').value = state.resource;
  $('options').value = state.options;
  for (const { name } of settingRows) $(name).value = state.settings[name];
  const d = state.device || {};
  $('device-info').textContent = d.error ? describe(d.error)
    : `model ${d.model}, module ${d.module}, ${d.simulated ? 'simulated' : 'instrument'}, device ${d.device}` +
      (state.session ? `, session ${state.session}` : ', no session');
  $('open-error').textContent = state.error ? describe(state.error) : '';
}

async function loadDevices() {
  const devices = await api('/api/devices');
  const list = $('devices');
  list.replaceChildren();
  if (!Array.isArray(devices)) return;
  for (const device of devices) {
    const option = document.createElement('option');
    option.value = device.resource;
    option.label = device.label + (device.options ? ` [${device.options}]` : '');
    list.append(option);
  }
}

async function openDevice() {
  const state = await api('/api/open', { resource: $('resource').value, options: $('options').value });
  if (!state.settings) return void ($('open-error').textContent = describe(state.error));
  showState(state);
  loadAttributes();
}

async function applySettings(event) {
  event.preventDefault();
  const changes = {};
  for (const { name } of settingRows) {
    changes[name] = $(name).value.trim();
    $('error-' + name).textContent = '';
  }
  const answer = await api('/api/settings', changes);
  if (answer.error) {
    const note = answer.setting && $('error-' + answer.setting);
    return void ((note || $('open-error')).textContent = describe(answer.error));
  }
  for (const [name, error] of Object.entries(answer.errors)) $('error-' + name).textContent = describe(error);
  // Fields edited since this request was sent keep what the user typed.
  const shown = answer.state.settings;
  for (const { name } of settingRows)
    if (!answer.errors[name] && $(name).value.trim() === changes[name]) $(name).value = shown[name];
}

function plot(canvas, series, low, high) {
  const context = canvas.getContext('2d');
  context.clearRect(0, 0, canvas.width, canvas.height);
  context.strokeStyle = '#2a3440';
  for (let k = 1; k < 8; ++k) {
    const y = (k * canvas.height) / 8;
    context.beginPath(); context.moveTo(0, y); context.lineTo(canvas.width, y); context.stroke();
  }
  for (const { values, color } of series) {
    context.strokeStyle = color;
    context.beginPath();
    values.forEach((value, n) => {
      const x = (n / Math.max(values.length - 1, 1)) * canvas.width;
      const y = canvas.height * (1 - (Math.min(Math.max(value, low), high) - low) / (high - low));
      n ? context.lineTo(x, y) : context.moveTo(x, y);
    });
    context.stroke();
  }
}

function drawFrame(frame) {
  const spectrum = frame.spectrum, power = spectrum.power.map((units) => units * spectrum.scale);
  const floor = Math.max(Math.min(...power), frame.peak.power - 140);
  plot($('spectrum'), [{ values: power, color: '#3fb950' }], floor, 10);
  const canvas = $('spectrum'), context = canvas.getContext('2d');
  const span = spectrum.step * power.length;
  const x = ((frame.carrier + frame.peak.offset - spectrum.start) / span) * canvas.width;
  const y = canvas.height * (1 - (frame.peak.power - floor) / (10 - floor));
  context.fillStyle = '#f85149';
  context.beginPath(); context.moveTo(x, y - 2); context.lineTo(x - 6, y - 12); context.lineTo(x + 6, y - 12); context.fill();
  $('peak').textContent = `peak ${frame.peak.offset >= 0 ? '+' : ''}${formatHz(frame.peak.offset)} ` +
    `(${formatHz(frame.carrier + frame.peak.offset)}), ${frame.peak.power.toFixed(2)} dBFS`;
  $('axis-start').textContent = formatHz(spectrum.start);
  $('axis-center').textContent = formatHz(frame.carrier);
  $('axis-stop').textContent = formatHz(spectrum.start + spectrum.step * (power.length - 1));
  const trace = frame.trace, top = Math.max(1, ...trace.i.map(Math.abs), ...trace.q.map(Math.abs));
  plot($('trace'), [{ values: trace.i, color: '#2f81f7' }, { values: trace.q, color: '#e3a008' }], -top, top);
  $('trace-span').textContent = `first ${trace.i.length} of ${frame.samples} samples, full scale ±${(top * trace.scale).toPrecision(3)}`;
}

async function refresh() {
  if (running) {
    try {
      const frame = await api('/api/frame');
      $('frame-error').hidden = !frame.error;
      if (frame.error) $('frame-error').textContent = 'fetch failed: ' + describe(frame.error);
      else drawFrame(frame);
      $('status').textContent = frame.error ? 'fetch failed' : 'running';
    } catch (error) {
      $('status').textContent = 'server unreachable';
    }
  }
  setTimeout(refresh, refreshMs);
}

function valueCell(row) {
  const input = document.createElement('input');
  if (row.type === 'boolean') {
    input.type = 'checkbox';
    input.checked = row.value === true;
  } else {
    input.value = row.value === undefined ? '' : row.value;
  }
  return input;
}

// Numbers go as typed: the server reads them by the attribute's type.
function readValue(row, input) {
  if (row.type === 'boolean') return input.checked;
  return row.type === 'string' ? input.value : input.value.trim();
}

async function loadAttributes() {
  const rows = await api('/api/attributes');
  const body = $('attributes').tBodies[0];
  body.replaceChildren();
  if (!Array.isArray(rows)) return;
  for (const row of rows) {
    const tr = body.insertRow();
    tr.insertCell().textContent = row.name;
    Object.assign(tr.insertCell(), { className: 'id', textContent: row.id });
    const input = valueCell(row), note = document.createElement('span');
    note.className = 'field-error';
    if (row.error) note.textContent = describe(row.error);
    tr.insertCell().append(input, note);
    const button = document.createElement('button');
    button.textContent = 'Set';
    button.onclick = async () => {
      const answer = await api('/api/attribute', { id: row.id, value: readValue(row, input) });
      note.textContent = answer.error ? describe(answer.error) : '';
    };
    tr.insertCell().append(button);
  }
}

window.addEventListener('DOMContentLoaded', async () => {
  $('save-csv').href = '/api/record.csv?token=' + encodeURIComponent(token);
  $('open').onclick = openDevice;
  $('settings').onsubmit = applySettings;
  $('reload-attributes').onclick = loadAttributes;
  $('run-toggle').onclick = () => {
    running = !running;
    $('run-toggle').textContent = running ? 'Pause' : 'Run';
    $('status').textContent = running ? 'running' : 'paused';
  };
  await buildSettings();
  showState(await api('/api/state'));
  loadDevices();
  loadAttributes();
  refresh();
});

// Translation unit that anchors libzuvexa.so; the exported API lives in
// src/redirector/api.

-- Environment of a translator interpreter. The host requires this module,
-- then calls zuxlatorlua_setupEnv with the translator's name and its
-- registration JSON; afterwards it calls the translator module's functions
-- under zuxlatorlua_errHandler.

-- Nothing is looked up on disk until set-up says where: the search paths
-- that the package library took from LUA_PATH and LUA_CPATH go at once.
package.path = ""
package.cpath = ""

local json = require "json"
require "stdint"
require "zuxlatorluautils"

zuxlatorlua_name = nil
zuxlatorlua_xlator = nil
zuxlatorlua_settings = {}

-- Message handler: the error followed by the stack traceback.
function zuxlatorlua_errHandler(errorIn)
  return tostring(errorIn) .. "\n" .. debug.traceback()
end

-- "dir1;dir2\sub" -> "dir1/?.lua;dir2/sub/?.lua", each directory expanded.
local function modulePath(directories)
  local entries = {}
  for directory in string.gmatch(directories, "[^;]+") do
    directory = zuxlatorluautils.expandPath(zuxlatorlua_name, directory):gsub("\\", "/")
    if directory:sub(-1) ~= "/" then
      directory = directory .. "/"
    end
    entries[#entries + 1] = directory .. "?.lua"
  end
  return table.concat(entries, ";")
end

function zuxlatorlua_setupEnv(name, registrationInfo)
  local registration, _, message = json.decode(registrationInfo)
  if type(registration) ~= "table" then
    error("malformed translator registration: " .. tostring(message or registrationInfo))
  end
  zuxlatorlua_name = name
  local path = registration.zuxlatorlua_path
  package.path = path ~= nil and modulePath(path) or ""
  package.cpath = ""
  zuxlatorlua_xlator = require(registration.zuxlatorlua_xlator)
  if registration.zuxlatorlua_settings ~= nil then
    zuxlatorlua_settings = registration.zuxlatorlua_settings
  end
end

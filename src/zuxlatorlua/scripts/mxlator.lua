-- The driver's translator. getStaticDesc finds the description of a status
-- code in the error description files: the driver's own directory in the
-- language and in English, then the shared errors directory in the language
-- and in English, and last the same two in the files installed with the
-- library, so that an installed library describes its statuses even where
-- no shared directory holds them. getDynamicDesc turns the JSON detail of an error status
-- into a report of labelled items with readable attribute names and terms.

local utils = require "zumxl_utilities"
local cjson = cjson -- opened by the host as a global

local M = {}

local ThreeLetterLngStrings = { "eng", "fra", "deu", "jpn", "kor", "chs" }
local Ades = { "none", "gx", "kpx", "vtools" }

local NOT_FOUND = "Error description not found"
local UNSUPPORTED_FORMAT = -52029

local function threeLetterName(lang)
  return ThreeLetterLngStrings[lang + 1] or "zzz"
end

local function expand(path)
  return zuxlatorluautils.expandPath(zuxlatorlua_name, path)
end

local function requireQuietly(name)
  local loaded, module = pcall(require, name)
  if loaded then
    return module
  end
end

local function checkEncoding(module)
  if module.encoding ~= "utf-8" then
    error("Unsupported encoding")
  end
  return module
end

---------------------------------------------------------------- static

-- An errors table module ("errors_" .. language), only ever found through
-- the registration's own script path.
local function fromErrorsTable(lang3, code)
  local errors = requireQuietly("errors_" .. lang3)
  if errors == nil and lang3 ~= "eng" then
    errors = requireQuietly("errors_eng")
  end
  if errors ~= nil then
    return checkEncoding(errors).getString(code)
  end
end

-- A search that fails (missing directory, malformed file) finds nothing.
local function search(lang, find, ...)
  local found, desc = pcall(find, ...)
  if found and desc ~= nil then
    return zuxlatorluautils.mbsToUtf8(lang, desc)
  end
end

local function fromDriverDirectory(miErrorsDir, driverName, pathsep, languageDir, code, lang)
  local base = miErrorsDir .. pathsep .. driverName .. pathsep
  local find = zuxlatorluautils.findErrorDescriptionFromDir
  local desc = search(lang, find, base .. languageDir, code)
  if desc == nil and languageDir ~= "English" then
    desc = search(0, find, base .. "English", code)
  end
  return desc
end

local function fromDriverSettings(settings, pathsep, languageDir, code, lang)
  if settings.MIErrorsDir == nil or settings.driverName == nil then
    return nil
  end
  return fromDriverDirectory(expand(settings.MIErrorsDir), settings.driverName, pathsep, languageDir, code, lang)
end

local function fromSharedDirectory(standardErrDir, code, lang)
  local find = zuxlatorluautils.findErrorDescriptionFromErrorsDir
  local desc = search(lang, find, standardErrDir, code, lang)
  -- In English the first search was this one already.
  if desc == nil and lang ~= 0 then
    desc = search(0, find, standardErrDir, code, 0)
  end
  return desc
end

-- The installed data folder's mierrors and errors, searched as above.
local function fromInstalledFiles(driverName, pathsep, languageDir, code, lang)
  local dataDir = zuxlatorluautils.installedDataDir()
  if dataDir == nil then
    return nil
  end
  local fromDriver = driverName
    and fromDriverDirectory(dataDir .. pathsep .. "mierrors", driverName, pathsep, languageDir, code, lang)
  return fromDriver or fromSharedDirectory(dataDir .. pathsep .. "errors", code, lang)
end

function M.getStaticDesc(code, lang, ade)
  local settings = zuxlatorlua_settings
  local pathsep = string.sub(package.config, 1, 1)
  local lang3 = threeLetterName(lang)
  local languageDir = utils.convertLangShortToLong(lang3)
  local standardErrDir = expand(settings.zuSharedErrorsDir)
  code = zumxl_unmapErrorCode(code)
  local desc = fromErrorsTable(lang3, code)
    or fromDriverSettings(settings, pathsep, languageDir, code, lang)
    or fromSharedDirectory(standardErrDir, code, lang)
    or fromInstalledFiles(settings.driverName, pathsep, languageDir, code, lang)
  return desc or NOT_FOUND
end

---------------------------------------------------------------- dynamic

local attributeIdUsages = {
  kUsageTypeAttributeId = true,
  kUsageTypeAttributeIdentifier = true,
  kUsageTypeAffectedAttribute = true,
  kUsageTypeConflictingAttr = true,
  kUsageTypeConflictingProperty = true,
  kUsageTypeUnspecifiedProperty = true,
}

-- The first attribute table that loads, and the text telling what did not.
local function loadAttributeTable(lang3, ade)
  local driverName = zuxlatorlua_settings.driverName
  local names = {}
  if driverName ~= nil then
    local prefix = driverName .. "_attributes_"
    if ade ~= 0 then
      local adeName = Ades[ade + 1]
      if adeName == nil then
        error("invalid ADE number " .. tostring(ade))
      end
      names[#names + 1] = prefix .. lang3 .. "_" .. adeName
      if lang3 ~= "eng" then
        names[#names + 1] = prefix .. "eng_" .. adeName
      end
    end
    names[#names + 1] = prefix .. lang3
    if lang3 ~= "eng" then
      names[#names + 1] = prefix .. "eng"
    end
  end
  names[#names + 1] = "zumxl_defaultAttrTable"
  for _, name in ipairs(names) do
    local module = requireQuietly(name)
    if module ~= nil then
      return module, ""
    end
  end
  return nil, "Cannot load " .. names[#names] .. "\n"
end

local function loadCommonTerms(lang3)
  return requireQuietly("commonTerms_" .. lang3) or (lang3 ~= "eng" and requireQuietly("commonTerms_eng")) or nil
end

local function attributeRecord(attributes, n)
  local attrid = string.format("%08X", n)
  local record = attributes and checkEncoding(attributes).getAttribute(attrid)
  return record or { shortName = "0x" .. attrid, enums = {} }
end

local function term(terms, key)
  return terms and checkEncoding(terms).getString(key) or key
end

-- Applies convert to a scalar value or to each element of an array value.
local function mapValue(value, convert)
  if type(value) ~= "table" then
    return convert(value)
  end
  local converted = {}
  for i, element in ipairs(value) do
    converted[i] = convert(element)
  end
  return converted
end

local function attributeName(attributes, v)
  local n = tonumber(v)
  return n and attributeRecord(attributes, n).shortName or tostring(v)
end

local function usageValue(attributes, item)
  local valueType = item.value_type
  if item.value == nil then
    return nil
  end
  if type(valueType) ~= "table" then
    if attributeIdUsages[item.usage] then
      return mapValue(item.value, function(v)
        return attributeName(attributes, v)
      end)
    end
    return mapValue(item.value, tostring)
  end
  if valueType.type == "enum" then
    local enums = attributeRecord(attributes, tonumber(valueType.id) or 0).enums or {}
    return mapValue(item.value, function(v)
      return enums[tostring(v)] or tostring(v)
    end)
  end
  return nil
end

local function dynamicItems(errorContext, attributes, terms)
  local items = {}
  local info = errorContext.translator_info
  local orderedData = type(info) == "table" and info.ordered_data or {}
  for _, item in ipairs(type(orderedData) == "table" and orderedData or {}) do
    if type(item) ~= "table" then
      -- not an item: skipped
    elseif item.type == "usage" then
      items[#items + 1] = { type = "usage", key = term(terms, item.usage), value = usageValue(attributes, item) }
    elseif item.type == "elaboration" or item.type == "header" then
      items[#items + 1] = { type = item.type, value = term(terms, item.usage) }
    elseif item.type == "empty" then
      items[#items + 1] = { type = "empty" }
    end
  end
  return items
end

local function debugItems(errorContext, internalErrors)
  local items = {}
  local function add(key, value)
    if value ~= nil then
      items[#items + 1] = { type = "usage", key = key, value = tostring(value) }
    end
  end
  add("Component", errorContext.component)
  add("File", errorContext.file)
  add("Line", errorContext.line)
  if internalErrors ~= "" then
    add("internal_error_string", internalErrors)
  end
  errorContext.translator_info = nil
  errorContext.component = nil
  errorContext.file = nil
  errorContext.line = nil
  add("rest_of_input_json", cjson.encode(errorContext))
  return items
end

function M.getDynamicDesc(errjson, lang, ade, format)
  if format ~= "json1" then
    return UNSUPPORTED_FORMAT
  end
  local errorContext = cjson.decode(errjson)
  if type(errorContext) ~= "table" then
    error("the error JSON is not an object")
  end
  local lang3 = threeLetterName(lang)
  local attributes, internalErrors = loadAttributeTable(lang3, ade)
  local terms = loadCommonTerms(lang3)
  local dynamic = dynamicItems(errorContext, attributes, terms)
  local debug = debugItems(errorContext, internalErrors)
  return cjson.encode({ dynamic = dynamic, debug = debug })
end

return M

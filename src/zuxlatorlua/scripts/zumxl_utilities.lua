-- Language names: the three-letter names and the long names, which are also
-- the names of the language directories of the error description files.

local M = {}

local longNames = {
  eng = "English",
  fra = "French",
  deu = "German",
  jpn = "Japanese",
  kor = "Korean",
  chs = "ChineseS",
}

local shortNames = {}
for short, long in pairs(longNames) do
  shortNames[long] = short
end

-- "zzz", the invalid language, has a long name for which no directory exists.
function M.convertLangShortToLong(short)
  if short == "zzz" then
    return "Zzzzzzz"
  end
  return longNames[short]
end

function M.convertLangLongToShort(long)
  return shortNames[long]
end

return M

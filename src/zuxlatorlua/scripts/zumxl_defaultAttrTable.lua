-- The attribute table used when no driver table loads: it knows no
-- attribute, so identifiers are shown as they are.

local M = { encoding = "utf-8" }

function M.getAttribute(attrID)
  return nil
end

return M

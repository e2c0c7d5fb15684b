# Builds the self-contained playground: one HTML file with the page's style
# and one inline module script holding, in order, the module with its .wasm
# embedded (CORE), the entry module (ENTRY) and the page's script. The three
# ES modules become one by dropping the imports that joined them and the
# exports nobody imports any more. Run with cmake -P and the variables CORE,
# ENTRY, PAGE_DIR and OUT.

function(take_out text piece where result)
  string(FIND "${text}" "${piece}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "BundlePlayground: '${piece}' not found in ${where}")
  endif()
  string(REPLACE "${piece}" "" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${CORE} core)
take_out("${core}" "export default createGMTRRTCore;" ${CORE} core)

file(READ ${ENTRY} entry)
take_out("${entry}" "import createGMTRRTCore from './gmtrrt-core.mjs';" ${ENTRY} entry)
take_out("${entry}" "export {loadGMTRRT};" ${ENTRY} entry)
string(REPLACE "export default async function loadGMTRRT" "async function loadGMTRRT" entry "${entry}")

file(READ ${PAGE_DIR}/playground.mjs page)
take_out("${page}" "import loadGMTRRT from '../gmtrrt/gmtrrt.mjs';" playground.mjs page)

file(READ ${PAGE_DIR}/playground.css style)
file(READ ${PAGE_DIR}/index.html html)

set(script "${core}\n${entry}\n${page}")
string(TOLOWER "${script}" lower)
string(FIND "${lower}" "</script" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "BundlePlayground: a script holds '</script', which would end the inline script")
endif()

take_out("${html}" "<link rel=\"stylesheet\" href=\"playground.css\">" index.html html)
string(REPLACE "<title>GMTRRT playground</title>"
               "<title>GMTRRT playground</title>\n<style>\n${style}</style>" html "${html}")
take_out("${html}" "<script type=\"module\" src=\"playground.mjs\"></script>" index.html html)
string(REPLACE "</body>" "<script type=\"module\">\n${script}\n</script>\n</body>" html "${html}")
file(WRITE ${OUT} "${html}")

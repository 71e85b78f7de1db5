# Runs with cmake -P: the manual pages' option lists as made from usage texts of several shapes.
include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/ManPage.cmake)

function(expect_options name usage heading expected)
  rna_man_options("${usage}" "${heading}" actual)
  if(NOT actual STREQUAL expected)
    message(SEND_ERROR "${name}:\n--- expected\n${expected}--- actual\n${actual}---")
  endif()
endfunction()

set(two_halves "Utilizare: %1 [OPTIUNE]
Porneste programul: demonstratii.

  --help       afiseaza acest text
  --lang LIMBA  alege limba
               (ro sau en)

Usage: %1 [OPTION]
Starts the program: demonstrations.

  --help       prints this text
  --scale=FACTOR   scales the windows by FACTOR;
                   1 keeps them as they are
")

# Each language reads its own half only; a line indented further continues the description above it; a value
# is set in italics whether it follows a blank or an equals sign.
expect_options("Romanian half" "${two_halves}" "Utilizare:"
  ".TP\n\\fB\\-\\-help\\fR\nafiseaza acest text\n.TP\n\\fB\\-\\-lang\\fR \\fILIMBA\\fR\nalege limba\n(ro sau en)\n")
expect_options("English half" "${two_halves}" "Usage:"
  ".TP\n\\fB\\-\\-help\\fR\nprints this text\n.TP\n\\fB\\-\\-scale\\fR=\\fIFACTOR\\fR\nscales the windows by FACTOR;\n1 keeps them as they are\n")

# Text that roff would read as markup stays text: backslashes, hyphens, a leading dot or quote; brackets and
# semicolons, which CMake lists treat as structure, pass unchanged.
expect_options("roff and list characters" "Usage: %1
  -q, --quiet  prints nothing; see [NOTES
                .profile and 'x' are read \\\\n
  --x  a-b ]
" "Usage:"
  ".TP\n\\fB\\-q,\\fR \\fB\\-\\-quiet\\fR\nprints nothing; see [NOTES\n\\&.profile and 'x' are read \\(rs\\(rsn\n.TP\n\\fB\\-\\-x\\fR\na\\-b ]\n")

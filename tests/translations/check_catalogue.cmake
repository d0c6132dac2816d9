# SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Brings a copy of the catalogue up to date with the program's sources, as the
# update_translations target would, and fails on every text without a translation: one added to
# the code with no lupdate run since, one lupdate marked unfinished, or an empty one.
file(COPY_FILE ${CATALOGUE} ${COPY})
set(folders)
foreach(folder base game records media ui app)
    list(APPEND folders ${SOURCE_DIR}/${folder})
endforeach()
execute_process(COMMAND ${LUPDATE} -I ${SOURCE_DIR} -no-obsolete -locations none ${folders}
                        -ts ${COPY}
    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
    message(FATAL_ERROR "lupdate failed:\n${log}")
endif()
file(READ ${COPY} catalogue)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation( type=\"unfinished\">[^<]*|>)</translation>"
       untranslated "${catalogue}")
if(untranslated)
    list(JOIN untranslated "\n" lines)
    message(FATAL_ERROR "Texts without a translation; run the update_translations target and "
                        "translate them in ${CATALOGUE}:\n${lines}")
endif()
message(STATUS "every text translated")

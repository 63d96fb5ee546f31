# The help pages, English and those translated (Help opens the one its
# catalogue names), copied beside the program in the build folder, where
# Help looks first. Included where the program is made and packed.
set(CUEDECK_HELP_PAGES ${PROJECT_SOURCE_DIR}/docs/cuedeck.html ${PROJECT_SOURCE_DIR}/docs/cuedeck_de.html
    ${PROJECT_SOURCE_DIR}/docs/cuedeck_fr.html)

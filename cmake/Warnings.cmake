# One set of warnings for every target of both builds.
add_compile_options(-Wall -Wextra -Werror)

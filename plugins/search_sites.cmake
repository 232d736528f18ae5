# Where the search plug-ins send their requests: build settings compiled into
# the libraries, handed to code through the interface target search_sites.
#   profile demo:    both plug-ins talk to the demo site (tools/demosite) on a
#                    fixed loopback port; the end-to-end tests script that port.
#   profile release: the real hosts, given on the command line; configuring
#                    stops when one is missing.
set(SEARCH_DEMO_PORT 47380 CACHE STRING "Loopback port of the demo site (profile demo)")
set(NIMBRA_ENGINE_HOST "" CACHE STRING "Nimbra: host of the web search engine (profile release)")
set(NIMBRA_SHARE_HOST "" CACHE STRING "Nimbra: cloud-disk share host of the site filter (profile release)")
set(MAGLA_SITE_HOST "" CACHE STRING "Magla: host of the magnet index site (profile release)")

add_library(search_sites INTERFACE)
if(SEARCH_SITE_PROFILE STREQUAL "demo")
  set(demo_host "127.0.0.1:${SEARCH_DEMO_PORT}")
  target_compile_definitions(search_sites INTERFACE
    SEARCH_DEMO_PORT=${SEARCH_DEMO_PORT}
    NIMBRA_ENGINE_HOST="${demo_host}" NIMBRA_SHARE_HOST="${demo_host}" MAGLA_SITE_HOST="${demo_host}")
elseif(SEARCH_SITE_PROFILE STREQUAL "release")
  foreach(setting NIMBRA_ENGINE_HOST NIMBRA_SHARE_HOST MAGLA_SITE_HOST)
    if("${${setting}}" STREQUAL "")
      message(FATAL_ERROR "Profile release needs the real hosts: -D${setting}=<host name>")
    endif()
  endforeach()
  target_compile_definitions(search_sites INTERFACE
    NIMBRA_ENGINE_HOST="${NIMBRA_ENGINE_HOST}" NIMBRA_SHARE_HOST="${NIMBRA_SHARE_HOST}"
    MAGLA_SITE_HOST="${MAGLA_SITE_HOST}")
else()
  message(FATAL_ERROR "SEARCH_SITE_PROFILE must be demo or release, not '${SEARCH_SITE_PROFILE}'")
endif()

# Included by the top level, beside the program's target. The program and the
# skin engine each carry a version resource in Chinese (product, version,
# company, description, copyright for Explorer's Details tab) and a manifest: the Windows
# versions they were made for (7 to 11), no elevation, and for the program its
# awareness of each monitor's scale. No common-controls-6 dependency: the
# layouts were measured with the classic controls. A program's manifest is
# resource 1, a library's 2.
set(program_settings "  <application xmlns=\"urn:schemas-microsoft-com:asm.v3\">
    <windowsSettings>
      <dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>
      <dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2</dpiAwareness>
    </windowsSettings>
  </application>
")
function(yz_windows_resources target file type manifest_id name description settings)
  set(YZ_NAME "${name}")
  set(YZ_FILE ${file})
  set(YZ_FILE_TYPE ${type})
  set(YZ_MANIFEST_ID ${manifest_id})
  set(YZ_DESCRIPTION "${description}")
  set(YZ_WINDOWS_SETTINGS "${settings}")
  set(out ${CMAKE_BINARY_DIR}/packaging/windows/${target})
  set(YZ_MANIFEST ${out}.manifest)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/manifest.xml.in ${out}.manifest @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/version.rc.in ${out}-version.rc @ONLY)
  set_source_files_properties(${out}-version.rc PROPERTIES OBJECT_DEPENDS ${out}.manifest)
  target_sources(${target} PRIVATE ${out}-version.rc)
endfunction()
yz_windows_resources(yanzhou-search yanzhou-search.exe 1 1 "砚舟小说搜索器" "砚舟小说搜索器：小说搜索与书站导航"
  "${program_settings}")
yz_windows_resources(SkinH_EL SkinH_EL.dll 2 2 "砚舟皮肤引擎" "砚舟小说搜索器窗口皮肤引擎" "")

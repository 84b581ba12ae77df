// The one script that views import, as AppJs: it brings the helpers of
// main.js into its own namespace, so that a view writes AppJs.startLoading().
// The native services module is imported here, so that the helpers reach
// the web service whatever the view imports.
.import QmlCppBridge 1.0 as Native
Qt.include("main.js")

// The one script that views import, as AppJs: it brings the helpers of
// main.js into its own namespace, so that a view writes AppJs.startLoading().
Qt.include("main.js")

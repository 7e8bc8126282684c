void tunesnipUiPlaceholder() {}

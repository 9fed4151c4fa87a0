#!/usr/bin/env bash
# The main job on the bundled sample: build an "old" user dictionary from
# samples/old-entries.utf8.txt, point both editions' preferences at a demo
# home, and run the front end with its button pressed once.  It prints the
# window's final text, then the entries of the new dictionary.
set -euo pipefail
build=${1:?build folder}
demo=${2:?demo folder}
here=$(cd "$(dirname "$0")/.." && pwd)

rm -rf "$demo"
mkdir -p "$demo/home/Documents" "$demo/config/Quorindal/Tovikan" "$demo/runtime"
chmod 700 "$demo/runtime"
demo=$(cd "$demo" && pwd)

# The previous edition's dictionary, made from the sample's lines.
iconv -f UTF-8 -t CP932 "$here/samples/old-entries.utf8.txt" | sed 's/$/\r/' > "$demo/old-entries.txt"
"$build/tools/uwconvert" "$demo/old-entries.txt" "$demo/home/Documents/OldUserDictionary.ud" > /dev/null 2>&1

cat > "$demo/config/Quorindal/Tovikan/UserPath.plist" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>EtoJUserDict</key>
	<string>~/Documents/OldUserDictionary.ud</string>
</dict>
</plist>
PLIST

cat > "$demo/config/Quorindal/Tovikan/TovikPath.plist" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>DictionaryPath</key>
	<dict>
		<key>SystemDictionaryEJName</key>
		<string>EtoJSystem</string>
		<key>UserDictionaryEJName</key>
		<string>NewUserDictionary.ud</string>
	</dict>
	<key>DocumentsFolder</key>
	<string>~/Documents</string>
</dict>
</plist>
PLIST

export HOME="$demo/home" XDG_CONFIG_HOME="$demo/config" XDG_RUNTIME_DIR="$demo/runtime"
echo "== Quellit --convert"
"$build/Quellit.app/Quellit" --convert
echo
echo "== entries of the new dictionary ($HOME/Documents/NewUserDictionary.ud)"
"$build/tools/udinspect" --list "$HOME/Documents/NewUserDictionary.ud" | iconv -f CP932 -t UTF-8
